#pragma once

#include "engine/modelexplorer/UDInterface.h"

#include <QPersistentModelIndex>

#include <vector>

class GuiTreeView;

/// Remembers the objects of the tree's selected rows and, on destruction, selects again those
/// still in the tree; when none is left, the node the view chose to select instead. GUI thread.
class AutoSelectTreeItem {
public:
    explicit AutoSelectTreeItem(GuiTreeView* view, const QPersistentModelIndex* fallback = nullptr);
    AutoSelectTreeItem(const AutoSelectTreeItem&) = delete;
    AutoSelectTreeItem& operator=(const AutoSelectTreeItem&) = delete;
    ~AutoSelectTreeItem();

private:
    GuiTreeView* m_view;
    const QPersistentModelIndex* m_fallback;
    std::vector<UDInterface*> m_objects;
};
