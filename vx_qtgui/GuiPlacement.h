#pragma once

#include "messaging/VXMessageType.h"

class QLayout;
class QMenu;
class QWidget;

/// The one check every operation that puts a widget, layout or menu inside another makes
/// first: a container must never end up inside what it holds. Qt does not refuse such a
/// cycle, and `QWidget::window()` then loops forever on the GUI thread. A refused placement
/// leaves both sides as they were and writes a debug-log line naming the operation. GUI thread.
class GuiPlacement {
public:
    /// Whether `child` may be put inside `container` (or inside a layout on it): both exist
    /// and `child` is neither `container` nor one of its ancestors, across window boundaries.
    static bool mayHoldWidget(
        const QWidget* container, const QWidget* child, VXMessageType operation);
    /// Whether layout `child` may be put inside layout `container`: `child` is not `container`
    /// or a layout above it, and no widget `child` holds would become an ancestor of itself
    /// once the layouts' widget takes it over.
    static bool mayHoldLayout(
        const QLayout* container, const QLayout* child, VXMessageType operation);
    /// Whether `submenu` may be opened from `menu`: it is not `menu` and does not lead back to
    /// it through its own sub-menus.
    static bool mayHoldMenu(const QMenu* menu, const QMenu* submenu, VXMessageType operation);

    /// Whether `widget` is `descendant` or one of its parents; follows parents past windows and
    /// stops on a parent chain that is already cyclic.
    static bool isSelfOrAncestor(const QWidget* widget, const QWidget* descendant);

private:
    static bool refuse(VXMessageType operation, const char* why);
};
