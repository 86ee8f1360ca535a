#include "vx_qtgui/modelexplorer/search/GuiFilterHighlightDelegate.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/search/GuiListFilter.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>

GuiFilterHighlightDelegate::GuiFilterHighlightDelegate(GuiListFilter* filter, QObject* parent)
    : QStyledItemDelegate(parent)
    , m_filter(filter)
{
}

void GuiFilterHighlightDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt(option);
    initStyleOption(&opt, index);
    const int column = m_filter ? m_filter->getFilterColumnIndex() : -1;
    const bool highlight = m_filter && !opt.text.isEmpty()
        && (column < 0 || column == index.column()) && m_filter->isMatch(opt.text);
    if (!highlight) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    // Background and selection first, then the marks, then the text over them.
    const QString text = opt.text;
    opt.text.clear();
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    const QRect textRect = style->subElementRect(QStyle::SE_ItemViewItemText, &opt, widget);
    m_filter->highLight(text, textRect, opt.fontMetrics, painter);
    painter->save();
    painter->setFont(opt.font);
    const QPalette::ColorRole role
        = (opt.state & QStyle::State_Selected) ? QPalette::HighlightedText : QPalette::Text;
    painter->setPen(opt.palette.color(role));
    const QString shown = opt.fontMetrics.elidedText(text, opt.textElideMode, textRect.width() - 4);
    painter->drawText(textRect.adjusted(2, 0, -2, 0), int(opt.displayAlignment), shown);
    painter->restore();
}

QSize GuiFilterHighlightDelegate::sizeHint(
    const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (m_rowHeight > 0)
        size.setHeight(m_rowHeight);
    return size;
}
