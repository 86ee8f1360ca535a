#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "messaging/VXMessageType.h"
#include "vx_qtgui/modelexplorer/GuiMESplitter.h"

#include <QColor>
#include <QPointer>
#include <QStringList>

#include <list>
#include <vector>

class GuiListView;
class GuiMEDialogList;
class GuiMEDialogListView;
class GuiMEDialogPanel;
class GuiTreePanel;
class ListItem;
class ODCustListTreeView;
class QtMessage;
class VXMEObjectData;
class VXMEObjectMessageData;

/// The explorer's central widget, splitter 1: the tree side (tree panel above the accordion)
/// beside the dialog list view (the property list beside or above the dialog pane). It hands
/// each tree, list and pane operation of the window to the part that owns it, and wires the
/// views' signals to the window's slots. GUI thread.
class GuiModelView : public GuiMESplitter {
    Q_OBJECT

public:
    using RecordList = std::list<VXMEObjectData*>;
    using Objects = std::vector<UDInterface*>;

    explicit GuiModelView(GuiModelExplorer* explorer);
    ~GuiModelView() override;

    ODCustListTreeView* treeSide() const { return m_treeSide; }
    GuiTreePanel* treePanel() const { return m_treePanel; }
    GuiMEDialogListView* dialogListView() const { return m_dialogListView; }
    GuiMEDialogList* dialogList() const;
    GuiMEDialogPanel* dialogPane() const;
    GuiListView* listView() const;

    // Layout of the sides.
    void showTreeView(bool show);
    void showListView(bool show);
    void setDlgListViewLayoutVert(bool vertical);
    bool isDlgListViewLayoutVert() const;
    void setDlgViewScrollable(bool scrollable);
    bool isDlgViewScrollable() const;
    void setListViewWidth(int width);
    int getListViewWidth() const;
    void setDialogPanel(bool show);
    void setDialogPanelMinSize();
    void setListViewTabBarVisible(bool visible);

    // The dialog pane.
    /// The widget of the dialog proxy; an unknown proxy changes nothing, null empties the pane.
    void setCurrentDialog(void* dialogKey);
    bool isCurrentDialogVisible() const;
    bool isCurrentDialogDirty() const;

    // Tree operations (tree side).
    void setRoot(VXMEObjectMessageData& root);
    void replaceSubtree(VXMEObjectMessageData& subtree, bool request);
    void removeSubtrees(const Objects& objects);
    void repaintNode(UDInterface* object, const QColor& color);
    void setNodeAcceptedActions(UDInterface* object, unsigned actions);
    void mouseSelectTreeViewNode(UDInterface* object);
    bool isInHierarchy(UDInterface* object) const;
    /// Whether the row's (or node's) icon is the picture at `path` on a flagged item; a group
    /// row of the list always counts.
    bool isNodePixmapForReadOnly(UDInterface* object, const char* path) const;

    // List operations (list side).
    void addList(const RecordList& list);
    /// Replaces the rows with the records handed over; they are freed as their rows are made.
    void replaceList(RecordList& list, const QString& text);
    void removeList(const Objects& objects);
    void clearList();
    void editListNodes(const RecordList& list);
    void updateNodes(const RecordList& list, bool flag);
    void updatePendingData(const RecordList& list);
    void selectListViewNode(const Objects& objects);
    void mouseSelectListViewNode(UDInterface* object);
    /// With no second list, the list's columns become `names` (widths kept by name); otherwise
    /// each column of `names` is renamed to its partner (on a list without columns, the second
    /// list becomes the columns).
    void replacePropertyNames(const QStringList& names, const QStringList& newNames);
    void reorderColumns(const QStringList& names);
    void setItemInfoForIncrementalLoad(
        unsigned index, UDInterface* owner, const QStringList& names, const QStringList& values);
    void markUnrelatedProperties(bool mark);
    void setAllowWholeRowDblClick(bool allow);
    /// The rows of `objects` reported as changed to `value` in `column`, as a user's edit.
    void editListNodes(const Objects& objects, int column, const QString& value);
    void scaleColumnWidths(double factor);
    bool isListNodePropReadOnly(UDInterface* object, int column) const;
    QString getPropertyName(int column, bool title) const;
    int getReplaceListCounter() const { return m_replaceListCounter; }

    // Loads and scope.
    /// The host's cancel flag goes to the tree; the busy bar shows only after two seconds.
    void startListLoad(bool clear, bool* cancel);
    void stopListLoad();
    void scopeGUIChanged(bool scoped);
    bool isScoped() const { return m_scoped; }
    bool isListLoadPending() const { return m_listLoadTimerId != -1; }

    /// Every other explorer message for the tree, list or pane; a sent query gets its reply.
    void forward(VXMessageType type, QtMessage* msg);

protected:
    void timerEvent(QTimerEvent* event) override;

private:
    void connectTreeToWindow(GuiModelExplorer* explorer);
    void forwardTree(VXMessageType type, QtMessage& msg);
    void forwardList(VXMessageType type, QtMessage& msg);
    void forwardListSide(VXMessageType type, QtMessage& msg);
    int section(const QString& column) const;
    ListItem* listItem(UDInterface* object) const;
    void setColumns(const QStringList& names);

    GuiModelExplorer* m_explorer;
    GuiTreePanel* m_treePanel;
    ODCustListTreeView* m_treeSide;
    GuiMEDialogListView* m_dialogListView;
    QPointer<QObject> m_listViewManager;
    int m_listLoadTimerId = -1;
    int m_replaceListCounter = 0;
    bool m_scoped = false;
};
