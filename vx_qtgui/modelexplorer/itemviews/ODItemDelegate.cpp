#include "vx_qtgui/modelexplorer/itemviews/ODItemDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>

ODItemDelegate::ODItemDelegate(QAbstractItemView* view)
    : QStyledItemDelegate(view)
    , m_view(view)
{
}

ODItemDelegate::~ODItemDelegate() = default;

QRect ODItemDelegate::checkBoxRect(
    const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    if (!(opt.features & QStyleOptionViewItem::HasCheckIndicator))
        return QRect();
    const QWidget* widget = opt.widget ? opt.widget : m_view;
    QStyle* style = widget ? widget->style() : QApplication::style();
    return style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &opt, widget);
}

void ODItemDelegate::drawCheckBoxIcon(QPainter* painter, const QStyleOptionViewItem& option,
    const QRect& rect, int state, bool enabled) const
{
    if (!painter || rect.isEmpty())
        return;
    QStyleOptionViewItem opt = option;
    opt.rect = rect;
    opt.state &= ~(QStyle::State_On | QStyle::State_Off | QStyle::State_NoChange
        | QStyle::State_Enabled | QStyle::State_MouseOver | QStyle::State_HasFocus);
    opt.state |= state == Qt::Checked   ? QStyle::State_On
        : state == Qt::PartiallyChecked ? QStyle::State_NoChange
                                        : QStyle::State_Off;
    if (enabled)
        opt.state |= QStyle::State_Enabled;
    else
        opt.palette.setCurrentColorGroup(QPalette::Disabled);
    const QWidget* widget = opt.widget ? opt.widget : m_view;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &opt, painter, widget);
}
