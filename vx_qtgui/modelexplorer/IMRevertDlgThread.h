#pragma once

#include <QString>
#include <QThread>

class GuiModelExplorer;

/// Answers the explorer's selection-changed dialog during a scripted selection: once a second,
/// at most ten times, it looks for the running dialog and gives it the action text. Started
/// and waited for by the GUI thread; the dialog's reaction is queued back to the GUI thread.
class IMRevertDlgThread : public QThread {
    Q_OBJECT

public:
    IMRevertDlgThread(GuiModelExplorer* explorer, const QString& action);

    /// Waits for the thread to end; then what the dialog answered to the action, 0 when it
    /// never came.
    int waitForResult();

protected:
    void run() override;

private:
    GuiModelExplorer* m_explorer;
    QByteArray m_action;
    int m_result = 0;
};
