#include "vx_qtgui/GuiPlacement.h"

#include "engine/VXDebugOutputLogging.h"

#include <QAction>
#include <QLayout>
#include <QMenu>
#include <QString>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// Far deeper than any real tree; only a chain that already loops gets this far.
constexpr int kMaxDepth = 100000;

// Whether a widget held (directly or through nested layouts) by `layout` is `widget` or one
// of its ancestors.
bool holdsAncestorOf(const QLayout* layout, const QWidget* widget, int depth)
{
    if (!layout || !widget || depth > kMaxDepth)
        return false;
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (!item)
            continue;
        if (QWidget* held = item->widget(); held && GuiPlacement::isSelfOrAncestor(held, widget))
            return true;
        if (holdsAncestorOf(item->layout(), widget, depth + 1))
            return true;
    }
    return false;
}

} // namespace

bool GuiPlacement::isSelfOrAncestor(const QWidget* widget, const QWidget* descendant)
{
    if (!widget)
        return false;
    int steps = 0;
    for (const QWidget* up = descendant; up && steps < kMaxDepth;
         up = up->parentWidget(), ++steps) {
        if (up == widget)
            return true;
    }
    return false;
}

bool GuiPlacement::refuse(VXMessageType operation, const char* why)
{
    if (VXDebugOutputLogging::m_isDebugEnabled) {
        const QString line
            = QString::asprintf("placement refused - %d %s: %s\n", static_cast<int>(operation),
                VXDebugOutputLogging::messageNameOrUnknown(operation), why);
        VXDebugOutputLogging::output(line.toLocal8Bit().constData());
    }
    return false;
}

bool GuiPlacement::mayHoldWidget(
    const QWidget* container, const QWidget* child, VXMessageType operation)
{
    if (!container || !child)
        return false;
    if (child == container)
        return refuse(operation, "a widget cannot hold itself");
    if (isSelfOrAncestor(child, container))
        return refuse(operation, "the widget already holds its container");
    return true;
}

bool GuiPlacement::mayHoldLayout(
    const QLayout* container, const QLayout* child, VXMessageType operation)
{
    if (!container || !child)
        return false;
    if (child == container)
        return refuse(operation, "a layout cannot hold itself");
    int steps = 0;
    for (const QObject* up = container->parent(); up && steps < kMaxDepth;
         up = up->parent(), ++steps) {
        if (up == child)
            return refuse(operation, "the layout already holds its container");
    }
    if (holdsAncestorOf(child, container->parentWidget(), 0))
        return refuse(operation, "the layout holds a widget that holds its container");
    return true;
}

bool GuiPlacement::mayHoldMenu(const QMenu* menu, const QMenu* submenu, VXMessageType operation)
{
    if (!menu || !submenu)
        return false;
    if (submenu == menu)
        return refuse(operation, "a menu cannot open itself");
    // Every menu reachable from `submenu` through its entries.
    std::vector<const QMenu*> pending { submenu };
    std::vector<const QMenu*> seen;
    while (!pending.empty()) {
        const QMenu* current = pending.back();
        pending.pop_back();
        if (std::find(seen.begin(), seen.end(), current) != seen.end())
            continue;
        seen.push_back(current);
        for (const QAction* action : current->actions()) {
            const QMenu* next = action->menu();
            if (next == menu)
                return refuse(operation, "the sub-menu already opens this menu");
            if (next)
                pending.push_back(next);
        }
    }
    return true;
}
