#include "examples/vxdemo/SheetKinds.h"

#include "engine/VXBridge.h"
#include "examples/vxdemo/DemoText.h"
#include "examples/vxdemo/StoreCommands.h"
#include "examples/vxdemo/explorer/ExplorerSession.h"
#include "examples/vxdemo/explorer/SheetAnswers.h"
#include "messaging/QtSpreadSheet.h"

#include <memory>
#include <vector>

using namespace storecommands;

namespace {

using Objects = QtSpreadSheet::Objects;

Kind sheet(const SheetKinds::Lookup& lookup)
{
    Kind kind("spreadsheet", "<explorer>  (a grid of the explorer's objects; act list fills it)",
        [lookup](VXBridge& bridge, VXWidget* parent, const CommandLine& a) -> VXWidget* {
            // The sheet shares the explorer's store, so either may be destroyed first.
            const std::shared_ptr<ObjectStore> store
                = sessionOf(*lookup(a.word(0, "explorer"))).sharedStore();
            auto* made = dynamic_cast<QtSpreadSheet*>(bridge.createSpreadSheet(parent));
            if (!made)
                return nullptr;
            auto session = std::make_unique<ExplorerSession>(
                *made, store, std::make_unique<SheetAnswers>(*made));
            session->host().open();
            ExplorerSession::attach(made, std::move(session));
            return made;
        });
    kind.set<QtSpreadSheet>("title", "<text>  (also the window's)",
            [](QtSpreadSheet& s, const CommandLine& a) { s.setTitle(a.text(0, "title")); })
        .get<QtSpreadSheet>("listcount",
            [](QtSpreadSheet& s) {
                Objects rows;
                s.getItems(&rows);
                return std::to_string(rows.size());
            })
        .get<QtSpreadSheet>(
            "filter", [](QtSpreadSheet& s) { return demotext::quoted(s.getFilterText()); })
        // As the host heard it from the sheet's grouping event.
        .get<QtSpreadSheet>("group",
            [](QtSpreadSheet& s) {
                const int group = sessionOf(s).host().groupProperty();
                return demotext::quoted(
                    group < 0 ? "" : ObjectStore::propertyName(ObjectStore::Property(group)));
            })
        .act<QtSpreadSheet>("list", "<system or block>  (the host fills the grid)",
            [](QtSpreadSheet& s, const CommandLine& a) { showList(s, a); })
        .act<QtSpreadSheet>("sort", "<property> [ascending|descending]",
            [](QtSpreadSheet& s, const CommandLine& a) {
                sortList(s, a,
                    [&s](const char* property, bool ascending) { s.sort(property, ascending); });
            })
        .act<QtSpreadSheet>("group", "<property>|-",
            [](QtSpreadSheet& s, const CommandLine& a) { s.setGroupColumn(groupArgument(a, 0)); })
        .act<QtSpreadSheet>("filter", "<text>",
            [](QtSpreadSheet& s, const CommandLine& a) { s.setFilterText(a.textOr(0)); })
        .act<QtSpreadSheet>("edit", "<leaf> <property> <value>",
            [](QtSpreadSheet& s, const CommandLine& a) {
                s.editItems({ objectArgument(s, a, 0) },
                    ObjectStore::propertyName(propertyArgument(a, 1)), a.text(2, "value"));
            })
        .act<QtSpreadSheet>("toggle", "<leaf>  (its Enabled check box)",
            [](QtSpreadSheet& s, const CommandLine& a) {
                UDInterface* object = objectArgument(s, a, 0);
                s.editItems({ object }, ObjectStore::propertyName(ObjectStore::Property::Enabled),
                    toggledEnabled(s, object));
            })
        .act<QtSpreadSheet>(
            "select", "<leaf>  (a click on its row)", [](QtSpreadSheet& s, const CommandLine& a) {
                s.select({ objectArgument(s, a, 0) }, true);
            });
    addHostEntries(kind);
    return kind;
}

} // namespace

void SheetKinds::addTo(KindTable& table, const Lookup& lookup)
{
    table.add(sheet(lookup));
}
