#include "examples/vxdemo/ExplorerKinds.h"

#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "engine/VXModelExplorer.h"
#include "examples/vxdemo/DemoText.h"
#include "examples/vxdemo/KindTable.h"
#include "examples/vxdemo/StoreCommands.h"
#include "examples/vxdemo/explorer/DemoRecordFactory.h"
#include "examples/vxdemo/explorer/ExplorerSession.h"
#include "examples/vxdemo/explorer/ProxyAnswers.h"
#include "vrix/VXStringList.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

using Property = ObjectStore::Property;
using namespace storecommands;

namespace {

constexpr int kMaxLeaves = 2000000;
constexpr std::uint32_t kDefaultLeaves = 100000;

std::string takeText(char* text)
{
    std::string copy = text ? text : "";
    utFree(text);
    return copy;
}

// The window's display texts, passed once at creation (a real host takes them from its message
// catalogue). Without them the list's tabs, its "contents of" row and the filter field are blank.
std::map<int, std::u16string> explorerTexts()
{
    return {
        { 1, u"Contents" },
        { 2, u"Search Results" },
        { 3, u"Contents of:" },
        { 4, u"Search:" },
        { 5, u"Search" },
        { 6, u"Search options" },
        { 7, u"Unapplied Changes" },
        { 8, u"The dialog of the object you are leaving has changes that were not applied." },
        { 9, u"Do not show this message again" },
        { 10, u"Apply" },
        { 11, u"Ignore" },
        { 12, u"Cancel" },
        { 14, u"Name:" },
        { 15, u"Type:" },
        { 16, u"New Object" },
        { 17, u"Model Explorer" },
        { 18, u"Ready" },
        { 23, u"Filter Contents" },
        { 24, u"Clear the filter" },
        { 25, u"Search Results" },
        { 26, u"Show search details" },
        { 27, u"Hide search details" },
    };
}

// The list's header has the icon column first, then one column per property.
int columnOf(Property property)
{
    return int(property) + 1;
}

void editCell(
    VXModelExplorer& e, UDInterface* object, Property property, const std::u16string& value)
{
    e.editListViewNode(new std::vector<UDInterface*> { object }, columnOf(property), value);
}

Kind explorer()
{
    Kind kind("explorer", "[leaves] [blocks per subsystem]  (100000 leaves by default)",
        [](VXBridge& bridge, VXWidget*, const CommandLine& a) -> VXWidget* {
            ObjectStore::Shape shape;
            shape.leaves = kDefaultLeaves;
            if (a.size() > 0) {
                const int leaves = a.integer(0, "leaves");
                if (leaves < 0 || leaves > kMaxLeaves)
                    throw CommandError("leaves must lie between 0 and 2000000");
                shape.leaves = std::uint32_t(leaves);
            }
            if (a.size() > 1) {
                const int blocks = a.integer(1, "blocks per subsystem");
                if (blocks < 1 || blocks > 100)
                    throw CommandError("blocks per subsystem must lie between 1 and 100");
                shape.blocksPerSubsystem = blocks;
            }
            DemoRecordFactory::install();
            std::map<int, std::u16string> strings = explorerTexts();
            VXModelExplorer* made = bridge.createModelExplorer(strings);
            if (!made)
                return nullptr;
            // The types the window's creation dialog offers.
            auto* types = new VXStringList;
            for (int i = 0; i < ObjectStore::kTypeCount; ++i)
                types->addElement(ObjectStore::typeName(ObjectStore::Type(i)));
            made->replaceObjSelectionList(types);
            made->setTreeColumnTitle(u"Model Hierarchy");
            auto session
                = std::make_unique<ExplorerSession>(*made, std::make_shared<ObjectStore>(shape),
                    std::make_unique<ProxyAnswers>(bridge, *made));
            session->host().open();
            ExplorerSession::attach(made, std::move(session));
            return made;
        });
    kind.set<VXModelExplorer>("title", "<text>",
            [](VXModelExplorer& e, const CommandLine& a) { e.setTitle(a.text(0, "title")); })
        .set<VXModelExplorer>("rect", "<x> <y> <width> <height>",
            [](VXModelExplorer& e, const CommandLine& a) {
                e.setPosition(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                    a.integer(3, "height"));
            })
        .set<VXModelExplorer>("listwidth", "<pixels>  (the list's share beside the dialog pane)",
            [](VXModelExplorer& e, const CommandLine& a) {
                e.setListViewWidth(a.integer(0, "pixels"));
            })
        .set<VXModelExplorer>("list", "<system or block>  (the host fills the list)",
            [](VXModelExplorer& e, const CommandLine& a) { showList(e, a); })
        .get<VXModelExplorer>(
            "listcount", [](VXModelExplorer& e) { return std::to_string(e.getListViewCount()); })
        .get<VXModelExplorer>(
            "filter", [](VXModelExplorer& e) { return demotext::quoted(e.getFilterString()); })
        .get<VXModelExplorer>("group",
            [](VXModelExplorer& e) { return demotext::quoted(takeText(e.getGroupColumn())); })
        .get<VXModelExplorer>(
            "title", [](VXModelExplorer& e) { return demotext::quoted(e.getTitle()); })
        .act<VXModelExplorer>("expand", "<system>",
            [](VXModelExplorer& e, const CommandLine& a) {
                e.expandTreeNode(objectArgument(e, a, 0));
            })
        .act<VXModelExplorer>("collapse", "<system>",
            [](VXModelExplorer& e, const CommandLine& a) {
                e.collapseTreeNode(objectArgument(e, a, 0));
            })
        .act<VXModelExplorer>("select", "<system, block or leaf>  (a click on its node or row)",
            [](VXModelExplorer& e, const CommandLine& a) {
                UDInterface* object = objectArgument(e, a, 0);
                std::uint32_t node;
                ExplorerSession& session = sessionOf(e);
                const bool inTree = session.store().nodeOf(object, node);
                // Sent, so the vector stays the caller's.
                std::vector<UDInterface*> objects { object };
                e.selectListNodesSync(&objects, "Press", inTree ? "TREE" : "LIST");
                // A selection made through the proxy raises no event: the host is told as a
                // click would tell it.
                std::uint32_t leaf;
                if (inTree)
                    session.host().showList(node);
                else if (session.store().leafOf(object, leaf))
                    session.host().showObject(leaf);
            })
        .act<VXModelExplorer>("doubleclick", "<leaf>",
            [](VXModelExplorer& e, const CommandLine& a) {
                std::vector<UDInterface*> objects { objectArgument(e, a, 0) };
                e.doubleClickListNodes(&objects);
            })
        .act<VXModelExplorer>("sort", "<property> [ascending|descending]",
            [](VXModelExplorer& e, const CommandLine& a) {
                sortList(e, a, [&e](const char* property, bool ascending) {
                    e.enableListSorting(true, property, ascending, false, false);
                });
            })
        .act<VXModelExplorer>("group", "<property>|-",
            [](VXModelExplorer& e, const CommandLine& a) { e.groupBy(groupArgument(a, 0)); })
        .act<VXModelExplorer>("filter", "<text>",
            [](VXModelExplorer& e, const CommandLine& a) { e.setFilterString(a.textOr(0)); })
        .act<VXModelExplorer>("edit", "<leaf> <property> <value>",
            [](VXModelExplorer& e, const CommandLine& a) {
                UDInterface* object = objectArgument(e, a, 0);
                editCell(e, object, propertyArgument(a, 1), a.text(2, "value"));
            })
        .act<VXModelExplorer>("toggle", "<leaf>  (its Enabled check box)",
            [](VXModelExplorer& e, const CommandLine& a) {
                UDInterface* object = objectArgument(e, a, 0);
                editCell(e, object, Property::Enabled, toggledEnabled(e, object));
            })
        .act<VXModelExplorer>("search", "<text>  (the host lists the matching leaves)",
            [](VXModelExplorer& e, const CommandLine& a) {
                sessionOf(e).host().search(a.word(0, "text"));
            });
    addHostEntries(kind);
    return kind;
}

} // namespace

void ExplorerKinds::addTo(KindTable& table)
{
    table.add(explorer());
}
