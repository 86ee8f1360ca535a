#include "vx_qtgui/GuiThread.h"

#include "engine/HostFunctions.h"
#include "engine/VXDebugOutputLogging.h"
#include "messaging/QtBridge.h"
#include "messaging/SyncMsgControl.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiThreadPrivate.h"
#include "vx_qtgui/GuiThreadTickle.h"

#include <QCoreApplication>
#include <QFont>
#include <QStringList>
#include <QThread>

#include <chrono>
#include <memory>
#include <thread>

namespace {

constexpr auto kPollInterval = std::chrono::milliseconds(10);
constexpr int kMaxPolls = 60000;
const char* const kGuiThreadName = "Qt";

// QApplication keeps a reference to its argument count for its whole life.
int s_argc = 0;

VXGuiThread* createGuiThread(unsigned long flags)
{
    return new GuiThread(flags);
}

// The bridge builds its GUI thread through the factory, so the message layer needs no GUI header.
const bool s_factoryInstalled = [] {
    VXGuiThread::setFactory(&createGuiThread);
    return true;
}();

} // namespace

GuiThread::GuiThread(unsigned long flags)
    : m_emitter(VXIM::QueuedSend)
    , m_private(nullptr)
    , m_application(nullptr)
    , m_startedApplication(nullptr)
    , m_flags(flags)
    , m_finished(false)
{
}

GuiThread::~GuiThread()
{
    (void)s_factoryInstalled;
    delete m_private.exchange(nullptr);
}

void GuiThread::start()
{
    zcr_run_on_main_thread(&GuiThread::runThread, this);
}

bool GuiThread::isRunning() const
{
    const GuiThreadPrivate* d = m_private.load();
    if (!d)
        return false;
    return d->m_qthread ? d->m_qthread->isRunning() : d->m_started;
}

void GuiThread::runThread(void* thread)
{
    // The host lends the thread that loaded Qt, so it already is Qt's main thread.
    if (thread)
        static_cast<GuiThread*>(thread)->run();
}

void GuiThread::run()
{
    QFont::insertSubstitution(".lucida grande UI", "lucida grande");
    QFont::insertSubstitution(".Helvetica Neue DeskInterface", "Helvetica Neue");
    QCoreApplication::setAttribute(Qt::AA_PluginApplication, true);
    const VXIM::Thread guiThread
        = VXIM::Thread::registerThread(kGuiThreadName, tickleGuiThreadVXIM);
    qInstallMessageHandler(&GuiApplication::qtMessageOutput);
    const char* pluginDir = svGetBinArchDir();
    if (pluginDir && *pluginDir)
        QCoreApplication::setLibraryPaths(QStringList { QString::fromLocal8Bit(pluginDir) });

    auto* application = new GuiApplication(s_argc, nullptr);
    m_application.store(application);
    m_startedApplication.store(application);
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeMenuBar, true);
    m_private.store(new GuiThreadPrivate(QThread::currentThread()));

    // Packets queued before the application existed found nobody to wake.
    if (guiThread.pendingPackets() > 0)
        tickleGuiThreadVXIM();

    QCoreApplication::exec();

    // No later packet may wait for a loop that is gone: close the queue first, which also
    // releases any sender still blocked on it.
    guiThread.close();
    delete application;
    m_startedApplication.store(nullptr);
    m_application.store(nullptr);
    m_finished.store(true);
}

void GuiThread::postMessage(const QtMessageHolder& msg, bool keepAsynchronous)
{
    if (!msg)
        return;
    if (VXBridge::m_imPost && !keepAsynchronous) {
        sendMessage(msg, nullptr);
        return;
    }
    waitForApplication();
    msg->debugOutput("VELMAR post message", false);
    if (m_finished.load()) {
        // Nobody serves the queue any more.
        VXDebugOutputLogging::traceMessageUntimed("VELMAR dropped message", msg->messageType());
        return;
    }
    m_emitter.send(VXIM::DefaultSend, msg);
}

int GuiThread::sendMessage(const QtMessageHolder& msg, QtMessageHolder* reply, int deadlineMs)
{
    if (!msg || msg->m_syncControl)
        return 0;
    // Shared with the message: a sender leaving at its deadline must not take the record along
    // while the GUI thread may still write into it.
    SyncMsgControl* control = new SyncMsgControl;
    control->addReference();
    msg->m_syncControl = control;
    const auto release = [control](SyncMsgControl*) { control->releaseReference(); };
    const std::unique_ptr<SyncMsgControl, decltype(release)> ownReference(control, release);

    waitForApplication();
    msg->debugOutput("VELMAR send message", false);
    // A blocking send waits inside the emitter until the packet is handled; one with a deadline
    // is queued and waited for here. On the GUI thread itself either is handled at once.
    const bool bounded
        = deadlineMs > 0 && !VXIM::Thread::getNamedThread(kGuiThreadName).isCurrent();
    m_emitter.send(bounded ? VXIM::QueuedSend : VXIM::BlockingSend, msg);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(deadlineMs);
    while (!control->waitUntilDone(10)) {
        if (!canComplete()) {
            VXDebugOutputLogging::traceMessageUntimed("VELMAR dropped message", msg->messageType());
            return 0;
        }
        if (deadlineMs > 0 && std::chrono::steady_clock::now() >= deadline) {
            VXDebugOutputLogging::traceMessageUntimed(
                "VELMAR send deadline passed", msg->messageType());
            return 0;
        }
    }
    if (reply && control->m_returnMsg)
        *reply = control->m_returnMsg;
    return control->m_returnValue;
}

void GuiThread::increaseUIThreadPriority(bool) { }

void GuiThread::quit()
{
    if (!m_startedApplication.load()) {
        waitForAppToStart();
        if (!m_startedApplication.load())
            return;
    }
    if (!m_private.load() || !isRunning())
        return;
    {
        const QtMessageHolder msg(new QtMessage(nullptr, QuitMsg));
        postMessage(msg, false);
    }
    while (!m_finished.load())
        std::this_thread::sleep_for(kPollInterval);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

void GuiThread::waitForAppToStart()
{
    waitForApplication();
}

bool GuiThread::isVELMARDestkop()
{
    return !svIsStandaloneMode();
}

bool GuiThread::waitForApplication()
{
    for (int polls = 0; !m_startedApplication.load(); ++polls) {
        // An application that has come and gone does not come back.
        if (polls >= kMaxPolls || m_finished.load())
            return false;
        std::this_thread::sleep_for(kPollInterval);
    }
    return true;
}

bool GuiThread::canComplete() const
{
    if (m_finished.load() || m_emitter.connectionCount() == 0)
        return false;
    const VXIM::Thread guiThread = VXIM::Thread::getNamedThread(kGuiThreadName);
    return guiThread.isValid() && !guiThread.isClosed();
}
