#pragma once

#include <QPointer>
#include <QStyledItemDelegate>

class GuiListFilter;

/// Paints a list's cells with the filter's matches highlighted under the text: in the filter's
/// column, or in every text column when it names none. GUI thread.
class GuiFilterHighlightDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    GuiFilterHighlightDelegate(GuiListFilter* filter, QObject* parent = nullptr);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    /// Every row this many pixels high; 0 keeps the style's height.
    void setRowHeight(int height) { m_rowHeight = height; }

private:
    QPointer<GuiListFilter> m_filter;
    int m_rowHeight = 0;
};
