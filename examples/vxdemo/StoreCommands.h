#pragma once

#include "examples/vxdemo/explorer/ObjectStore.h"

#include <cstddef>
#include <functional>
#include <string>

class CommandLine;
class ExplorerSession;
class Kind;
class UDInterface;
class VXWidget;

/// What the kinds showing the demo's object store share: arguments naming its objects and
/// properties, and the entries that drive or read the host behind the widget. Engine thread.
namespace storecommands {

/// The host session behind `widget`; throws CommandError when it has none.
ExplorerSession& sessionOf(VXWidget& widget);
/// The store's object named by word `index`.
UDInterface* objectArgument(VXWidget& widget, const CommandLine& a, std::size_t index);
ObjectStore::Property propertyArgument(const CommandLine& a, std::size_t index);
/// The property named by word `index`, or "" for "-" (no grouping).
const char* groupArgument(const CommandLine& a, std::size_t index);
/// The text that flips the leaf's Enabled check box; throws for anything but a leaf.
std::u16string toggledEnabled(VXWidget& widget, UDInterface* object);
/// Sorts by "<property> [ascending|descending]": `header` shows the order, the host ranks the
/// rows for it.
void sortList(VXWidget& widget, const CommandLine& a,
    const std::function<void(const char* property, bool ascending)>& header);
/// Has the host fill the list with the leaves under "<system or block>".
void showList(VXWidget& widget, const CommandLine& a);
/// The host's view of the list and store: threshold, objects, storebytes, listed, owner, rows,
/// refused.
void addHostEntries(Kind& kind);

} // namespace storecommands
