#pragma once

#include <QPointer>
#include <QWidget>

class QScrollArea;
class QVBoxLayout;

/// The pane beside (or below) the explorer's list that shows the property dialog of the
/// selected object. The dialog belongs to its own proxy: the pane only holds it, and a dialog
/// deleted by its proxy simply leaves the pane empty. GUI thread.
class GuiMEDialogPanel : public QWidget {
    Q_OBJECT

public:
    explicit GuiMEDialogPanel(QWidget* parent = nullptr);

    /// Shows `dialog` (inside the scroll area when scrollable); null removes the current one.
    void setCurrentDialog(QWidget* dialog);
    QWidget* currentDialog() const { return m_dialog.data(); }
    void setScrollable(bool scrollable);
    bool isScrollable() const { return m_scrollArea != nullptr; }
    QScrollArea* scrollArea() const { return m_scrollArea; }

    bool isCurrentDialogVisible() const;
    /// The dialog's "Apply" button below its "button_bar" is enabled.
    bool isCurrentDialogDirty() const;

private:
    void place(QWidget* dialog);
    void release(QWidget* dialog);

    QVBoxLayout* m_layout;
    QScrollArea* m_scrollArea = nullptr;
    QPointer<QWidget> m_dialog;
};
