#pragma once

#include "engine/VXEventType.h"
#include "vx_qtgui/GuiWidget.h"

#include <QComboBox>

class GuiFirstVisitEventFilter;

/// The combo box of a QtComboBox peer: reports user selections, edits, Return and focus
/// changes; an editable box completes over its own items. GUI thread.
class GuiComboBox : public QComboBox, public GuiWidget {
    Q_OBJECT

public:
    GuiComboBox(void* key, QWidget* parent, const QString& name);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Switches editing and re-wires the completer the box then has. A record-aware completer
    /// set later with setCompleter() is wired by calling wireCompleter() again.
    void vxSetEditable(bool editable);
    void wireCompleter();
    /// Selects or types `text` as the user would (see the select-by-string message).
    void vxSelectByString(const QString& text);

    /// Height limits of a plain and an editable box, in pixels.
    static int nativeHeight();
    static int editableMaximumHeight();

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private slots:
    void slotActivated(int index);
    void slotEditTextChanged(const QString& text);
    void slotCompletionSelected(const QString& text);

private:
    void postSelection(int index, const QString& text);
    void postText(VXEventType type, const QString& text);
    bool handleOwn(VXMessageType type, QtMessage* msg);

    GuiFirstVisitEventFilter* m_firstVisitFilter;
    // Set while a host message is applied: Qt's signals then are not the user's.
    bool m_applying = false;
};
