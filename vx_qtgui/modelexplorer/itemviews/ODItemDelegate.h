#pragma once

#include <QPalette>
#include <QStyledItemDelegate>

class QAbstractItemView;

/// The explorer views' base cell delegate: keeps its view and draws check-box icons, also in
/// the disabled look that the native styles give only to disabled widgets. GUI thread.
class ODItemDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit ODItemDelegate(QAbstractItemView* view);
    ~ODItemDelegate() override;

    QAbstractItemView* view() const { return m_view; }

    /// Where the cell's check indicator sits (empty when the cell has none).
    QRect checkBoxRect(const QStyleOptionViewItem& option, const QModelIndex& index) const;
    /// Draws a check-box icon in `rect` in state `state` (Qt::CheckState), disabled or not.
    void drawCheckBoxIcon(QPainter* painter, const QStyleOptionViewItem& option, const QRect& rect,
        int state, bool enabled) const;
    /// QStyledItemDelegate::paint, with the same pixels: the text of a cell that shows one line
    /// and nothing beside it is laid out once here rather than three times by the style. True
    /// when it was.
    bool paintStyledCell(
        QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;

private:
    // Draws a cell whose text shows as one line with nothing beside it as the common style
    // would; false, having drawn nothing, for any other cell or style.
    bool drawOneLineCell(QPainter* painter, const QStyleOptionViewItem& option,
        const QWidget* widget, QStyle* style) const;

    // Hands `option` the cells' own palette, made equal to the one it carries: the base's
    // initStyleOption sets each cell's text brush on the option's palette, which copies the
    // whole palette while it is shared with the view's. `takeBackCellPalette` returns it.
    void lendCellPalette(QStyleOptionViewItem& option) const;
    void takeBackCellPalette(QStyleOptionViewItem& option) const;

    QAbstractItemView* m_view;
    mutable QPalette m_cellPalette;
    mutable qint64 m_cellPaletteSource = 0;
};
