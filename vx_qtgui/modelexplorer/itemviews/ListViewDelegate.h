#pragma once

#include "vx_qtgui/modelexplorer/itemviews/ODItemDelegate.h"

#include <QPersistentModelIndex>

#include <memory>

class GuiListView;
class QLineEdit;
class VXMEEditTypeData;

/// Paints and edits the cells of a `GuiListView`: fonts, faint read-only cells, filter
/// matches, check boxes and the dash of properties a row does not have; toggles check boxes for
/// every selected row; builds the editor the host described for the cell and sends the
/// committed value back. GUI thread.
class ListViewDelegate : public ODItemDelegate {
    Q_OBJECT

public:
    explicit ListViewDelegate(GuiListView* view);
    ~ListViewDelegate() override;

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(
        QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
        const QModelIndex& index) override;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;

    /// Takes the record (null clears it) and deletes the previous one.
    void setEditTypeData(VXMEEditTypeData* data);
    const VXMEEditTypeData* editTypeData() const { return m_editTypeData.get(); }
    void setEditText(const QString& text) { m_editText = text; }
    QString editText() const { return m_editText; }
    void setNoPopup(bool on) { m_noPopup = on; }
    /// Places a flat button carrying the host's editor action inside the line edit's right end.
    void attachExternalEditorGUI(QLineEdit* edit) const;
    /// The style option the cell is painted with (colours, font, state).
    void initCellOption(QStyleOptionViewItem* option, const QModelIndex& index) const
    {
        initStyleOption(option, index);
        adjustStateFlags(*option, index);
    }
    void adjustStateFlags(QStyleOptionViewItem& option, const QModelIndex& index) const;
    void drawIconForProperty(const QStyleOptionViewItem& option, QPainter* painter) const;
    void drawLineForInvalidProperties(const QRect& rect, QPainter* painter) const;

    /// The cell being edited, process-wide.
    static QPersistentModelIndex m_EditIndex;

public slots:
    void slotEditingFinished();
    void slotSuggestionSelected();

private:
    /// Toggles the check box of `index` and of the same column in the other selected rows.
    void toggleCheckBoxes(const QModelIndex& index);
    void closeAndCommitEditor(QWidget* editor);

    GuiListView* m_listView;
    std::unique_ptr<VXMEEditTypeData> m_editTypeData;
    QString m_editText;
    bool m_noPopup = false;
};
