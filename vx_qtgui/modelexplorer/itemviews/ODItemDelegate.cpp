#include "vx_qtgui/modelexplorer/itemviews/ODItemDelegate.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QPainter>
#include <QTextLayout>

#include <cstring>

namespace {

// The styles whose item cells are the common style's: background panel, then the text.
bool paintsCommonCells(const QStyle* style)
{
    const char* name = style->metaObject()->className();
    return std::strcmp(name, "QFusionStyle") == 0 || std::strcmp(name, "QWindowsStyle") == 0;
}

} // namespace

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

void ODItemDelegate::lendCellPalette(QStyleOptionViewItem& option) const
{
    constexpr QPalette::ColorGroup groups[]
        = { QPalette::Active, QPalette::Disabled, QPalette::Inactive };
    const qint64 source = option.palette.cacheKey();
    if (source != m_cellPaletteSource) {
        m_cellPalette = option.palette;
        m_cellPaletteSource = source;
    }
    // Only the text brush differs between cells. Setting it copies the palette the first
    // time (shared) and never after.
    for (QPalette::ColorGroup group : groups)
        m_cellPalette.setBrush(group, QPalette::Text, option.palette.brush(group, QPalette::Text));
    m_cellPalette.setCurrentColorGroup(option.palette.currentColorGroup());
    m_cellPalette.resolve(option.palette.resolve());
    // Swapped: the option holds the cells' palette, the member the view's until taken back.
    option.palette = std::move(m_cellPalette);
}

void ODItemDelegate::takeBackCellPalette(QStyleOptionViewItem& option) const
{
    m_cellPalette = std::move(option.palette);
}

bool ODItemDelegate::paintStyledCell(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QStyleOptionViewItem opt = option;
    lendCellPalette(opt);
    initStyleOption(&opt, index);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    const bool oneLine = drawOneLineCell(painter, opt, widget, style);
    if (!oneLine)
        style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
    takeBackCellPalette(opt);
    return oneLine;
}

bool ODItemDelegate::drawOneLineCell(QPainter* painter, const QStyleOptionViewItem& option,
    const QWidget* widget, QStyle* style) const
{
    constexpr auto besideText = QStyleOptionViewItem::HasCheckIndicator
        | QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::WrapText;
    if (option.text.isEmpty() || (option.features & besideText)
        || (option.state & (QStyle::State_HasFocus | QStyle::State_Editing))
        || !(option.displayAlignment & Qt::AlignVCenter)
        || (widget && widget->testAttribute(Qt::WA_StyleSheet)) || !paintsCommonCells(style)
        || option.text.contains(QChar::LineSeparator))
        return false;
    // Where and how the common style lays out the text of a cell with nothing beside it.
    const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
    const QRect textRect = option.rect.adjusted(margin, 0, -margin, 0);
    QTextOption textOption;
    textOption.setWrapMode(QTextOption::ManualWrap);
    textOption.setTextDirection(option.direction);
    textOption.setAlignment(QStyle::visualAlignment(option.direction, option.displayAlignment));
    QTextLayout layout(option.text, option.font);
    layout.setTextOption(textOption);
    // Keeps the glyphs of the layout for the drawing: shaped once, not twice.
    layout.setCacheEnabled(true);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return false;
    }
    line.setLineWidth(textRect.width());
    line.setPosition(QPointF(0, 0));
    const bool oneLine = !layout.createLine().isValid();
    layout.endLayout();
    // Anything the style would elide or clip is left to it.
    if (!oneLine || line.naturalTextWidth() > textRect.width() || line.height() > textRect.height())
        return false;

    QPalette::ColorGroup group
        = option.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
    if (group == QPalette::Normal && !(option.state & QStyle::State_Active))
        group = QPalette::Inactive;
    painter->save();
    painter->setClipRect(option.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &option, painter, widget);
    painter->setPen(option.palette.color(
        group, option.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
    layout.draw(
        painter, QPointF(textRect.x(), textRect.top() + (textRect.height() - line.height()) / 2));
    painter->restore();
    return true;
}
