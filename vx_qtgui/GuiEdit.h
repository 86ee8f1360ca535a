#pragma once

#include "engine/VXEventType.h"
#include "vx_qtgui/GuiWidget.h"

#include <QLineEdit>

class GuiCompleter;
class QToolButton;

/// The one-line edit field of a QtEdit peer; reports typing, Return, focus loss and the end of
/// an edit. Other widgets also build unregistered ones (null key) for their own use. GUI thread.
class GuiEdit : public QLineEdit, public GuiWidget {
    Q_OBJECT

public:
    /// `text` is the initial text, set silently.
    GuiEdit(void* key, QWidget* parent, const QString& text = QString());
    ~GuiEdit() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Sets the text unless it is already there; with `notify` false Qt's signals stay quiet,
    /// so the host hears nothing.
    void setEditText(const QString& text, bool notify);

    bool isClearable() const { return m_clearable; }
    /// Null until the field was first made clearable.
    QToolButton* clearButton() const { return m_clearButton; }
    bool isPassword() const { return m_password; }
    bool usesCustomContextMenu() const { return m_customContextMenu; }
    /// The record-aware completer; null until auto-completion is enabled.
    GuiCompleter* recordCompleter() const { return m_completer; }
    /// Creates or drops the completer.
    void enableAutoComplete(bool enable);

protected:
    bool event(QEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void timerEvent(QTimerEvent* e) override;

private slots:
    void textChangedEvent(const QString& text);
    void returnPressedEvent();

private:
    void postTextEvent(VXEventType type) const;
    void setClearable(bool clearable, const QString& toolTip);
    void placeClearButton();
    void setSizeLimit(VXMessageType type, QtMessage* msg);
    void showCustomContextMenu(QtMessage* msg);
    bool hasCompleter() const { return m_completer != nullptr; }
    void refreshCompletion();
    void handleCompletion(VXMessageType type, QtMessage* msg);
    void takeSuggestion(const QString& text);

    bool m_password = false;
    QToolButton* m_clearButton = nullptr;
    bool m_clearable = false;
    GuiCompleter* m_completer = nullptr;
    int m_completionTimerId = -1;
    bool m_autoCompleteData = false;
    bool m_customContextMenu = false;
    // Cleared by every key press; while set, text changes do not refresh the completion.
    bool m_typed = false;
};
