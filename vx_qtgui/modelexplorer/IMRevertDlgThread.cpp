#include "vx_qtgui/modelexplorer/IMRevertDlgThread.h"

#include "vrix/SanitizerAnnotations.h"
#include "vx_qtgui/modelexplorer/GuiMESelectionChangedDialog.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

namespace {

constexpr int kTries = 10;
constexpr unsigned long kPauseMs = 1000;

} // namespace

IMRevertDlgThread::IMRevertDlgThread(GuiModelExplorer* explorer, const QString& action)
    : m_explorer(explorer)
    , m_action(action.toLocal8Bit())
{
}

void IMRevertDlgThread::run()
{
    for (int i = 0; i < kTries; ++i) {
        msleep(kPauseMs);
        // The GUI thread keeps the dialog alive until it has waited for this thread.
        if (GuiMESelectionChangedDialog* dialog = m_explorer->runningSelectionChangedDialog()) {
            m_result = dialog->runAction(m_action.constData()) ? 1 : 0;
            break;
        }
    }
    // QThread::wait() hands the result over through Qt's own lock; said here so the thread
    // sanitizer sees it too.
    vxTsanRelease(this);
}

int IMRevertDlgThread::waitForResult()
{
    wait();
    vxTsanAcquire(this);
    return m_result;
}
