#include "vx_qtgui/modelexplorer/GuiTreePanel.h"

#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiObject.h"
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

#include <QAction>
#include <QLabel>
#include <QSizePolicy>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

QAction* actionOf(VXAction* proxy)
{
    return proxy ? dynamic_cast<QAction*>(GuiApplication::findWidget(static_cast<void*>(proxy)))
                 : nullptr;
}

} // namespace

GuiTreePanel::GuiTreePanel(QWidget* explorer, QWidget* parent)
    : QWidget(parent)
    , m_explorer(explorer)
    , m_toolBar(new QToolBar(this))
    , m_title(new QLabel(m_toolBar))
    , m_view(new GuiTreeView(this))
    , m_model(new TreeModel(this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_toolBar->setFloatable(false);
    m_toolBar->setMovable(false);
    m_toolBar->addWidget(m_title);
    auto* spacer = new QWidget(m_toolBar);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_toolBar->addWidget(spacer);
    layout->addWidget(m_toolBar);
    layout->addWidget(m_view);
    m_view->setModel(m_model);
}

GuiTreePanel::~GuiTreePanel() = default;

void GuiTreePanel::setTitle(const QString& title)
{
    m_title->setText(title);
}

void GuiTreePanel::addAction(VXAction* action)
{
    if (QAction* a = actionOf(action))
        m_toolBar->addAction(a);
}

void GuiTreePanel::removeAction(VXAction* action)
{
    if (QAction* a = actionOf(action))
        m_toolBar->removeAction(a);
}

void GuiTreePanel::setRoot(VXMEObjectMessageData* record)
{
    m_view->setRoot(record);
}

void GuiTreePanel::replaceSubtree(VXMEObjectMessageData* record, bool requestChildren)
{
    m_view->replaceSubtree(record, requestChildren);
}

void GuiTreePanel::updateNodes(const VXMEObjectDataList* records)
{
    m_view->updateNodes(records);
}

bool GuiTreePanel::removeSubtree(UDInterface* object)
{
    return m_view->removeSubtree(object);
}

void GuiTreePanel::removeSubtrees(const std::vector<UDInterface*>* objects)
{
    m_view->removeSubtrees(objects);
}

bool GuiTreePanel::selectTreeItem(UDInterface* object, bool a, bool b)
{
    return m_view->selectTreeItem(object, a, b);
}

bool GuiTreePanel::expandTreeItem(UDInterface* object)
{
    return m_view->expandTreeItem(object);
}

bool GuiTreePanel::expandTreeItem(const QModelIndex& index)
{
    return m_view->expandTreeItem(index);
}

bool GuiTreePanel::collapseTreeItem(UDInterface* object)
{
    return m_view->collapseTreeItem(object);
}

bool GuiTreePanel::mouseSelectTreeViewNode(UDInterface* object)
{
    return m_view->mouseSelectTreeViewNode(object);
}

ListItem* GuiTreePanel::getTreeItem(UDInterface* object) const
{
    return m_view->getTreeItem(object);
}

ListItem* GuiTreePanel::getCurrentSelection() const
{
    return m_view->getCurrentSelection();
}

std::string GuiTreePanel::getCheckState(UDInterface* object) const
{
    return m_model->getCheckState(object);
}

bool GuiTreePanel::isNodePixmapForReadOnly(UDInterface* object, const char* path, bool& found) const
{
    return m_model->isNodePixmapForReadOnly(object, path, found);
}

bool GuiTreePanel::setAcceptedActions(VXMEObjectMessageData* record, unsigned actions)
{
    return m_view->setAcceptedActions(record, actions);
}

void GuiTreePanel::fillVectorWithVisibleTreeNodes(
    std::vector<UDInterface*>* out, UDInterface* parent) const
{
    m_view->fillVectorWithVisibleTreeNodes(out, parent);
}

void GuiTreePanel::fillVectorWithTreeViewText(std::vector<std::u16string>* out) const
{
    m_view->fillVectorWithTreeViewText(out);
}

bool GuiTreePanel::repaintNode(UDInterface* object, const QColor& color)
{
    return m_view->repaintNode(object, color);
}

void GuiTreePanel::update()
{
    m_view->viewport()->update();
    QWidget::update();
}

void GuiTreePanel::setFont(const QFont& font)
{
    m_model->setFont(font);
    m_view->setFont(font);
}
