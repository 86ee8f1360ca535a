#include "examples/vxdemo/ExplorerKinds.h"

#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "engine/VXModelExplorer.h"
#include "examples/vxdemo/DemoText.h"
#include "examples/vxdemo/KindTable.h"
#include "examples/vxdemo/explorer/DemoRecordFactory.h"
#include "examples/vxdemo/explorer/ExplorerSession.h"
#include "vrix/VXStringList.h"

#include <algorithm>
#include <map>
#include <memory>
#include <vector>

using Property = ObjectStore::Property;

namespace {

constexpr int kMaxLeaves = 2000000;
constexpr std::uint32_t kDefaultLeaves = 100000;

ExplorerSession& sessionOf(VXModelExplorer& explorer)
{
    if (ExplorerSession* session = ExplorerSession::of(&explorer))
        return *session;
    throw CommandError("the explorer has no object store");
}

UDInterface* objectArgument(VXModelExplorer& explorer, const CommandLine& a, std::size_t index)
{
    const std::string& name = a.word(index, "object");
    if (UDInterface* handle = sessionOf(explorer).store().find(name))
        return handle;
    throw CommandError("no object \"" + name + "\" in the store");
}

Property propertyArgument(const CommandLine& a, std::size_t index)
{
    Property property;
    const std::string& name = a.word(index, "property");
    if (!ObjectStore::propertyByName(name, property))
        throw CommandError("unknown property \"" + name + "\"");
    return property;
}

std::string takeText(char* text)
{
    std::string copy = text ? text : "";
    utFree(text);
    return copy;
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

// The first rows in the order the list shows them, with the sorted property when there is one.
std::string firstRows(ExplorerSession& session, std::size_t count)
{
    const ExplorerHost& host = session.host();
    const std::vector<std::uint32_t>& listed = host.listed();
    std::vector<std::uint32_t> order(listed.size());
    for (std::uint32_t i = 0; i < listed.size(); ++i)
        order[i] = i;
    if (host.sortProperty() >= 0) {
        const std::vector<std::uint32_t> ranks
            = session.store().ranks(listed, Property(host.sortProperty()));
        for (std::uint32_t i = 0; i < listed.size(); ++i)
            order[host.sortAscending() ? ranks[i] : listed.size() - 1 - ranks[i]] = i;
    }
    std::string out;
    for (std::size_t i = 0; i < std::min(count, order.size()); ++i) {
        const std::uint32_t leaf = listed[order[i]];
        out += (out.empty() ? "" : " ") + session.store().leafName(leaf);
        if (host.sortProperty() >= 0)
            out += '=' + demotext::utf8(session.store().text(leaf, Property(host.sortProperty())));
    }
    return out;
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
            std::map<int, std::u16string> strings { { 17, u"Model Explorer" } };
            VXModelExplorer* made = bridge.createModelExplorer(strings);
            if (!made)
                return nullptr;
            // The types the window's creation dialog offers.
            auto* types = new VXStringList;
            for (int i = 0; i < ObjectStore::kTypeCount; ++i)
                types->addElement(ObjectStore::typeName(ObjectStore::Type(i)));
            made->replaceObjSelectionList(types);
            auto session = std::make_unique<ExplorerSession>(bridge, *made, shape);
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
        .set<VXModelExplorer>("threshold", "<rows>  (longer lists load as the user scrolls)",
            [](VXModelExplorer& e, const CommandLine& a) {
                const int rows = a.integer(0, "rows");
                if (rows < 0)
                    throw CommandError("rows must not be negative");
                sessionOf(e).host().setIncrementalThreshold(std::uint32_t(rows));
            })
        .set<VXModelExplorer>("list", "<system or block>  (the host fills the list)",
            [](VXModelExplorer& e, const CommandLine& a) {
                std::uint32_t node;
                ExplorerSession& session = sessionOf(e);
                if (!session.store().nodeOf(objectArgument(e, a, 0), node))
                    throw CommandError("not a system or block");
                session.host().showList(node);
            })
        .get<VXModelExplorer>("objects",
            [](VXModelExplorer& e) { return std::to_string(sessionOf(e).store().leafCount()); })
        .get<VXModelExplorer>("storebytes",
            [](VXModelExplorer& e) { return std::to_string(sessionOf(e).store().memoryBytes()); })
        .get<VXModelExplorer>("listed",
            [](VXModelExplorer& e) {
                const ExplorerHost& host = sessionOf(e).host();
                return std::to_string(host.listed().size())
                    + (host.incremental() ? " incremental" : " complete");
            })
        .get<VXModelExplorer>("owner",
            [](VXModelExplorer& e) {
                ExplorerSession& session = sessionOf(e);
                return session.store().nameOf(session.host().listOwner());
            })
        .get<VXModelExplorer>("rows", [](VXModelExplorer& e) { return firstRows(sessionOf(e), 5); })
        .get<VXModelExplorer>("refused",
            [](VXModelExplorer& e) { return std::to_string(sessionOf(e).host().refusedEdits()); })
        .get<VXModelExplorer>("created",
            [](VXModelExplorer& e) {
                ExplorerSession& session = sessionOf(e);
                return session.store().leafName(session.host().lastCreated());
            })
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
                const Property property = propertyArgument(a, 0);
                const std::string order = a.wordOr(1, "ascending");
                if (order != "ascending" && order != "descending")
                    throw CommandError("the order is ascending or descending");
                // The header shows the order; the host ranks the rows for it.
                e.enableListSorting(
                    true, ObjectStore::propertyName(property), order == "ascending", false, false);
                sessionOf(e).host().sortBy(
                    ObjectStore::propertyName(property), order == "ascending");
            })
        .act<VXModelExplorer>("group", "<property>|-",
            [](VXModelExplorer& e, const CommandLine& a) {
                const std::string& name = a.word(0, "property");
                e.groupBy(name == "-" ? "" : ObjectStore::propertyName(propertyArgument(a, 0)));
            })
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
                std::uint32_t leaf;
                if (!sessionOf(e).store().leafOf(object, leaf))
                    throw CommandError("only leaves have check boxes");
                editCell(e, object, Property::Enabled,
                    sessionOf(e).store().enabled(leaf) ? u"off" : u"on");
            })
        .act<VXModelExplorer>("search", "<text>  (the host lists the matching leaves)",
            [](VXModelExplorer& e, const CommandLine& a) {
                sessionOf(e).host().search(a.word(0, "text"));
            });
    return kind;
}

} // namespace

void ExplorerKinds::addTo(KindTable& table)
{
    table.add(explorer());
}
