#include "examples/vxdemo/StoreCommands.h"

#include "engine/VXWidget.h"
#include "examples/vxdemo/DemoText.h"
#include "examples/vxdemo/Kind.h"
#include "examples/vxdemo/explorer/ExplorerSession.h"

#include <algorithm>
#include <vector>

using Property = ObjectStore::Property;

namespace storecommands {

namespace {

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

} // namespace

ExplorerSession& sessionOf(VXWidget& widget)
{
    if (ExplorerSession* session = ExplorerSession::of(&widget))
        return *session;
    throw CommandError("the widget has no object store");
}

UDInterface* objectArgument(VXWidget& widget, const CommandLine& a, std::size_t index)
{
    const std::string& name = a.word(index, "object");
    if (UDInterface* handle = sessionOf(widget).store().find(name))
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

const char* groupArgument(const CommandLine& a, std::size_t index)
{
    return a.word(index, "property") == "-" ? ""
                                            : ObjectStore::propertyName(propertyArgument(a, index));
}

std::u16string toggledEnabled(VXWidget& widget, UDInterface* object)
{
    const ObjectStore& store = sessionOf(widget).store();
    std::uint32_t leaf;
    if (!store.leafOf(object, leaf))
        throw CommandError("only leaves have check boxes");
    return store.enabled(leaf) ? u"off" : u"on";
}

void sortList(VXWidget& widget, const CommandLine& a,
    const std::function<void(const char* property, bool ascending)>& header)
{
    const char* property = ObjectStore::propertyName(propertyArgument(a, 0));
    const std::string order = a.wordOr(1, "ascending");
    if (order != "ascending" && order != "descending")
        throw CommandError("the order is ascending or descending");
    header(property, order == "ascending");
    sessionOf(widget).host().sortBy(property, order == "ascending");
}

void showList(VXWidget& widget, const CommandLine& a)
{
    std::uint32_t node;
    ExplorerSession& session = sessionOf(widget);
    if (!session.store().nodeOf(objectArgument(widget, a, 0), node))
        throw CommandError("not a system or block");
    session.host().showList(node);
}

void addHostEntries(Kind& kind)
{
    kind.set<VXWidget>("threshold", "<rows>  (longer lists load as the user scrolls)",
            [](VXWidget& w, const CommandLine& a) {
                const int rows = a.integer(0, "rows");
                if (rows < 0)
                    throw CommandError("rows must not be negative");
                sessionOf(w).host().setIncrementalThreshold(std::uint32_t(rows));
            })
        .get<VXWidget>(
            "objects", [](VXWidget& w) { return std::to_string(sessionOf(w).store().leafCount()); })
        .get<VXWidget>("storebytes",
            [](VXWidget& w) { return std::to_string(sessionOf(w).store().memoryBytes()); })
        .get<VXWidget>("listed",
            [](VXWidget& w) {
                const ExplorerHost& host = sessionOf(w).host();
                return std::to_string(host.listed().size())
                    + (host.incremental() ? " incremental" : " complete");
            })
        .get<VXWidget>("owner",
            [](VXWidget& w) {
                ExplorerSession& session = sessionOf(w);
                return session.store().nameOf(session.host().listOwner());
            })
        .get<VXWidget>("rows", [](VXWidget& w) { return firstRows(sessionOf(w), 5); })
        .get<VXWidget>("refused",
            [](VXWidget& w) { return std::to_string(sessionOf(w).host().refusedEdits()); });
}

} // namespace storecommands
