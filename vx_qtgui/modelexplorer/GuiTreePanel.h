#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"

#include <QWidget>

#include <string>
#include <vector>

class GuiTreeView;
class ListItem;
class QLabel;
class QToolBar;
class TreeModel;
class VXAction;
class VXMEObjectMessageData;

/// The explorer's tree pane: a title bar (tool bar with the title and the host's actions) above
/// the tree view. The model view calls it for the tree's messages; the window connects to the
/// view's signals. GUI thread.
class GuiTreePanel : public QWidget {
    Q_OBJECT

public:
    explicit GuiTreePanel(QWidget* explorer, QWidget* parent = nullptr);
    ~GuiTreePanel() override;

    QWidget* explorer() const { return m_explorer; }
    QToolBar* toolBar() const { return m_toolBar; }
    QLabel* titleLabel() const { return m_title; }
    GuiTreeView* view() const { return m_view; }
    TreeModel* model() const { return m_model; }

    void setTitle(const QString& title);
    /// The action's widget, found by its proxy, joins (leaves) the title bar; unknown proxies
    /// change nothing.
    void addAction(VXAction* action);
    void removeAction(VXAction* action);

    void setRoot(VXMEObjectMessageData* record);
    void replaceSubtree(VXMEObjectMessageData* record, bool requestChildren);
    void updateNodes(const VXMEObjectDataList* records);
    bool removeSubtree(UDInterface* object);
    void removeSubtrees(const std::vector<UDInterface*>* objects);

    bool selectTreeItem(UDInterface* object, bool a, bool b);
    bool expandTreeItem(UDInterface* object);
    bool expandTreeItem(const QModelIndex& index);
    bool collapseTreeItem(UDInterface* object);
    bool mouseSelectTreeViewNode(UDInterface* object);
    ListItem* getTreeItem(UDInterface* object) const;
    ListItem* getCurrentSelection() const;
    /// "CHECKED", "UNCHECKED", "PARTIAL" or "NOCHECKBOX", with "_DISABLE" for a disabled node;
    /// empty for an object not in the tree.
    std::string getCheckState(UDInterface* object) const;
    bool isNodePixmapForReadOnly(UDInterface* object, const char* path, bool& found) const;
    bool setAcceptedActions(VXMEObjectMessageData* record, unsigned actions);
    void fillVectorWithVisibleTreeNodes(std::vector<UDInterface*>* out, UDInterface* parent) const;
    void fillVectorWithTreeViewText(std::vector<std::u16string>* out) const;
    bool repaintNode(UDInterface* object, const QColor& color);
    void update();
    void setFont(const QFont& font);

private:
    QWidget* m_explorer;
    QToolBar* m_toolBar;
    QLabel* m_title;
    GuiTreeView* m_view;
    TreeModel* m_model;
};
