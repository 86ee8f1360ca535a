#include "vx_qtgui/GuiThreadTickle.h"

#include "messaging/QtBridge.h"
#include "messaging/VXMessageType.h"
#include "vrix/SanitizerAnnotations.h"
#include "vrix/vxim/Thread.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiThread.h"

#include <QCoreApplication>
#include <QEvent>

VRIX::AtomicCounter& getTickleGuiCounterVXIM()
{
    static VRIX::AtomicCounter counter(0);
    return counter;
}

void tickleGuiThreadVXIM()
{
    VRIX::AtomicCounter& counter = getTickleGuiCounterVXIM();
    if (!counter.testAndSet(0, 1))
        return;
    VXGuiThread* thread = QtBridge::m_thread;
    GuiApplication* application = thread ? thread->getApplication() : nullptr;
    if (thread && !application) {
        // The GUI thread builds the application itself: it must not wait for it.
        if (VXIM::Thread::getCurrentThread() != VXIM::Thread::getNamedThread("Qt"))
            thread->waitForAppToStart();
        application = thread->getApplication();
    }
    if (!application) {
        // Re-armed: the GUI thread tickles again once its application exists.
        counter.init(0);
        return;
    }
    auto* wakeUp = new QEvent(static_cast<QEvent::Type>(VXMessageEventBase + VXIMProcessEventsMsg));
    vxTsanRelease(wakeUp);
    QCoreApplication::postEvent(application, wakeUp, Qt::NormalEventPriority);
}
