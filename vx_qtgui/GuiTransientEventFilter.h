#pragma once

#include <QObject>
#include <QPointer>

class GuiDialog;

/// Watches a transient or frameless dialog: losing activation asks the host to apply and
/// close it. Has no Qt parent; its dialog owns it. GUI thread.
class GuiTransientEventFilter : public QObject {
    Q_OBJECT

public:
    explicit GuiTransientEventFilter(GuiDialog* dialog);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<GuiDialog> m_dialog;
};
