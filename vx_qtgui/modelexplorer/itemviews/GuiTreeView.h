#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiBaseView.h"

#include <QItemSelection>
#include <QPersistentModelIndex>

#include <string>
#include <vector>

class ListItem;
class QStyle;
class TreeModel;
class TreeViewDelegate;
class TreeViewEventFilter;
class VXMEObjectMessageData;

/// The explorer's tree: shows a `TreeModel`, keeps its expansion set in step with what the user
/// expands, asks the host for children it has not sent, and reports selection, expansion,
/// double clicks, right clicks, check-box toggles and drops as signals. Records passed with the
/// signals belong to the receiver (freed here when nothing is connected). GUI thread.
class GuiTreeView : public GuiBaseView {
    Q_OBJECT

public:
    static constexpr int AutoExpandDelayMs = 200;

    explicit GuiTreeView(QWidget* parent = nullptr);
    ~GuiTreeView() override;

    void setModel(QAbstractItemModel* model) override;
    TreeModel* treeModel() const { return m_model; }

    // Content from the host. Records stay the caller's.
    void setRoot(VXMEObjectMessageData* record);
    void replaceSubtree(VXMEObjectMessageData* record, bool requestChildren);
    void updateNodes(const VXMEObjectDataList* records);
    bool removeSubtree(UDInterface* object);
    void removeSubtrees(const std::vector<UDInterface*>* objects);

    bool selectTreeItem(UDInterface* object, bool, bool);
    bool expandTreeItem(UDInterface* object);
    bool expandTreeItem(const QModelIndex& index);
    bool collapseTreeItem(UDInterface* object);
    /// Selects the node as a left click on it would.
    bool mouseSelectTreeViewNode(UDInterface* object);
    ListItem* getTreeItem(UDInterface* object) const;
    /// The item of the first selected row, or null.
    ListItem* getCurrentSelection() const;
    /// Objects of the loaded nodes below `parent` (the whole tree for null), depth first; only
    /// while the view is visible.
    void fillVectorWithVisibleTreeNodes(std::vector<UDInterface*>* out, UDInterface* parent) const;
    /// Labels of the nodes the view shows, top to bottom.
    void fillVectorWithTreeViewText(std::vector<std::u16string>* out) const;
    /// Paints the node's highlight in `color`; an invalid colour removes it.
    bool repaintNode(UDInterface* object, const QColor& color);

    // Drag and drop answers from the host.
    bool setAcceptedActions(VXMEObjectMessageData* record, unsigned actions);
    void setDropCancel();
    void clearAcceptedActions();
    void clearDropStatuses();
    void setAutoExpand(bool on) { m_autoExpand = on; }
    bool autoExpand() const { return m_autoExpand; }

    // A load the host runs on behalf of a selection.
    void setLoadFlags(bool* cancel);
    void clearLoadFlags();
    void cancelLoading();
    bool isLoading() const { return m_loading; }

    /// Whether the window's selection focus is the tree (focus returns after a replacement).
    void setTreeHasSelectionFocus(bool on) { m_treeHasSelectionFocus = on; }
    /// Connects or disconnects the handling of the view's expanded and collapsed signals.
    void setExpandCollapseHandling(bool on);
    bool expandCollapseHandling() const { return m_expandConnection; }
    void setModelResetHandling(bool on);

    /// A new event record of the item's object with its parents' records chained up to the
    /// root; null for an item without object.
    VXMEObjectEventData* createNewEventObject(const ListItem* item) const;
    /// The style used for hit-testing check boxes and decorations (the same on every platform).
    QStyle* hitTestStyle() const;
    QRect checkBoxRect(const QModelIndex& index) const;

signals:
    void viewSelectionChanged(bool focused);
    void rightButtonClicked(
        const QPoint& globalPos, bool fromTree, bool onWhitespace, const QModelIndex& index);
    void treeExpanded(VXMEObjectEventData* record);
    void treeCollapsed(VXMEObjectEventData* record);
    void treeSelectionChanged(VXMEObjectEventData* record);
    void treeItemDoubleClicked(ListItem* item);
    /// A node the host sent without children although it shows children: ask for them.
    void subtreeReplaceRequested(VXMEObjectEventData* record);

public slots:
    void slotModelReset();
    void slotTreeSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);
    void slotTreeItemClicked(const QModelIndex& index);
    void slotTreeItemExpanded(const QModelIndex& index);
    void slotTreeItemCollapsed(const QModelIndex& index);
    void slotDoubleClicked(const QModelIndex& index);

protected:
    void selectionSettled() override;
    bool acceptRowDrag(QDragMoveEvent* event) override;
    bool acceptRowDrop(QDropEvent* event) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    template <class Signal> void emitRecord(Signal signal, VXMEObjectEventData* record);
    void expandCollapse(const QModelIndex& parent);
    void selectIndex(const QModelIndex& index);
    void expandAncestors(const QModelIndex& index);
    void endDrag();

    TreeModel* m_model = nullptr;
    TreeViewDelegate* m_delegate;
    TreeViewEventFilter* m_keyFilter;
    mutable QStyle* m_hitTestStyle = nullptr;
    QMetaObject::Connection m_expandConnection;
    QMetaObject::Connection m_collapseConnection;
    QMetaObject::Connection m_resetConnection;

    UDInterface* m_lastSelected = nullptr;
    QPersistentModelIndex m_itemToSelect;
    QPersistentModelIndex m_hoverIndex;
    QPersistentModelIndex m_dropIndex;
    int m_autoExpandTimerId = -1;
    bool* m_loadCancelFlag = nullptr;
    bool m_loading = false;
    bool m_isDragging = false;
    bool m_autoExpand = true;
    bool m_treeHasSelectionFocus = false;
};
