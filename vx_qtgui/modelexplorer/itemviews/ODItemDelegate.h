#pragma once

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

private:
    QAbstractItemView* m_view;
};
