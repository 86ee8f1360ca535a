#pragma once

#include "engine/VXEventType.h"
#include "vx_qtgui/GuiWidget.h"

#include <QTextEdit>

/// The multi-line edit area of a QtEditArea peer; reports typing, Ctrl+Enter, focus loss and
/// the end of an edit, and shows C sources coloured. GUI thread.
class GuiEditArea : public QTextEdit, public GuiWidget {
    Q_OBJECT

public:
    GuiEditArea(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Loads the file; C and C++ sources and headers become read-only and coloured. A file
    /// that does not open changes nothing.
    void loadFile(const QString& path);

signals:
    void focusLost();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private slots:
    void textChangedEvent();
    void focusLostEvent();

private:
    void postTextEvent(VXEventType type) const;
};
