#include "vx_qtgui/modelexplorer/itemviews/TreeViewDelegate.h"

#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

TreeViewDelegate::TreeViewDelegate(GuiTreeView* view)
    : QStyledItemDelegate(view)
    , m_view(view)
{
}

void TreeViewDelegate::initStyleOptionFor(
    QStyleOptionViewItem* option, const QModelIndex& index) const
{
    initStyleOption(option, index);
}

void TreeViewDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const TreeModel* model = m_view ? m_view->treeModel() : nullptr;
    const ListItem* item = model && index.model() == model ? model->itemForIndex(index) : nullptr;
    if (item && item->colorValid)
        highLight(painter, option, index, item->color());
    QStyledItemDelegate::paint(painter, option, index);
}

void TreeViewDelegate::highLight(QPainter* painter, const QStyleOptionViewItem& option,
    const QModelIndex& index, const QColor& color) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (opt.text.isEmpty() || !painter)
        return;
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : nullptr;
    if (!style)
        return;
    // Just left of the text, which the style places after the check box and the icon.
    const QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    const int left = std::max(opt.rect.left(), text.left() - 2);
    const int width = opt.fontMetrics.horizontalAdvance(opt.text) + 3 + 2;
    const QRectF area(left, opt.rect.top() + 1, width, opt.rect.height() - 2);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawRoundedRect(area, 2.0, 2.0);
    painter->restore();
}

bool TreeViewDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        TreeModel* tree = m_view ? m_view->treeModel() : nullptr;
        ListItem* item = tree && index.model() == tree ? tree->itemForIndex(index) : nullptr;
        const std::uint16_t bits = item ? item->cellFlags(0) : 0;
        if ((key != Qt::Key_Space && key != Qt::Key_Select) || !(bits & TreeModel::CheckBoxBit))
            return QStyledItemDelegate::editorEvent(event, model, option, index);
        if (!(bits & TreeModel::DisabledBit)) {
            const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            emit m_view->checkboxStateChanged(item, !checked);
        }
        return true;
    }
    const bool release = event->type() == QEvent::MouseButtonRelease;
    const bool press
        = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (!release && !press)
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    TreeModel* tree = m_view ? m_view->treeModel() : nullptr;
    ListItem* item = tree && index.model() == tree ? tree->itemForIndex(index) : nullptr;
    const std::uint16_t bits = item ? item->cellFlags(0) : 0;
    if (!item || !(bits & TreeModel::CheckBoxBit))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton || !m_view->checkBoxRect(index).contains(mouse->pos()))
        return QStyledItemDelegate::editorEvent(event, model, option, index);
    // The host owns the state: it answers with the node's new attributes.
    if (release && !(bits & TreeModel::DisabledBit)) {
        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        emit m_view->checkboxStateChanged(item, !checked);
    }
    return true;
}
