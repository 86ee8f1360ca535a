#pragma once

#include <QStyledItemDelegate>

class GuiTreeView;

/// Paints tree nodes (with their highlight) and turns a click on a node's check box into the
/// view's `checkboxStateChanged`; the node itself changes only when the host answers. GUI thread.
class TreeViewDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    explicit TreeViewDelegate(GuiTreeView* view);

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    /// The style option the delegate paints `index` with.
    void initStyleOptionFor(QStyleOptionViewItem* option, const QModelIndex& index) const;
    /// The rounded highlight behind a node's text.
    void highLight(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index,
        const QColor& color) const;

protected:
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;

private:
    GuiTreeView* m_view;
};
