// The message path as a host feels it: the real GUI thread runs Qt's loop on the main thread
// under the host stand-in, the benchmarks run on the engine thread. Each is measured beside Qt's
// own cross-thread call to an object on the same GUI thread.
#include "BenchHost.h"
#include "RatioReporter.h"

#include "host/Host.h"
#include "messaging/QtBridge.h"
#include "messaging/QtIntMessage.h"
#include "messaging/SyncMsgControl.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiThread.h"
#include "vx_qtgui/GuiWidget.h"

#include <QCoreApplication>
#include <QObject>
#include <QThread>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

// A registered GUI object that counts what it handles; getters answer the count. GUI thread.
class CountingWidget : public GuiWidget {
public:
    explicit CountingWidget(void* key)
        : GuiWidget(key)
    {
        GuiApplication::putWidget(key, this);
    }
    void vxMessageNotify(VXMessageType, QtMessage* msg) override
    {
        ++m_count;
        if (msg->m_syncControl)
            msg->m_syncControl->m_returnValue = m_count;
    }
    int m_count = 0;
};

struct GuiRunner : VXIM::Listener {
    ~GuiRunner() override { disconnect(); }
};

// Runs `work` on the GUI thread and returns once it has run (engine thread).
void runOnGui(const std::function<void()>& work)
{
    GuiRunner runner;
    VXIM::Emitter<void(const std::function<void()>*), VXIM::KeepAll> emitter(VXIM::BlockingSend);
    VXIM::connectFunction(
        emitter, &runner, [](const std::function<void()>* w) { (*w)(); },
        VXIM::Thread::getNamedThread("Qt"));
    emitter(&work);
}

// What the benchmarks talk to; built once the GUI thread runs.
int g_key = 0; // its address is the widget's peer key
CountingWidget* g_widget = nullptr;
QObject* g_qtTarget = nullptr; // the anchors' receiver, living on the GUI thread
int g_qtCount = 0; // GUI thread

int send(QtMessage* msg)
{
    return QtBridge::m_thread->sendMessage(QtMessageHolder(msg), nullptr);
}

void BM_GetterRoundTrip(benchmark::State& state)
{
    const int before = send(new QtMessage(&g_key, IsVisibleMsg));
    int answer = before;
    for (auto _ : state)
        answer = send(new QtMessage(&g_key, IsVisibleMsg));
    if (answer != before + static_cast<int>(state.iterations()))
        state.SkipWithError("a getter went unanswered");
}

void BM_QtBlockingInvokeRoundTrip(benchmark::State& state)
{
    for (auto _ : state)
        QMetaObject::invokeMethod(
            g_qtTarget, [] { ++g_qtCount; }, Qt::BlockingQueuedConnection);
}

void BM_PostedThroughput(benchmark::State& state)
{
    const int batch = static_cast<int>(state.range(0));
    auto* thread = static_cast<GuiThread*>(QtBridge::m_thread);
    const int before = send(new QtMessage(&g_key, IsVisibleMsg));
    int answer = before;
    for (auto _ : state) {
        for (int i = 0; i < batch; ++i)
            thread->postMessage(QtMessageHolder(new QtIntMessage(&g_key, HideMsg, i)), false);
        // Served after every post before it: the batch is done when this returns.
        answer = send(new QtMessage(&g_key, IsVisibleMsg));
    }
    if (answer != before + static_cast<int>(state.iterations()) * (batch + 1))
        state.SkipWithError("a posted message was lost");
    state.SetItemsProcessed(state.iterations() * batch);
}

void BM_QtQueuedInvokeThroughput(benchmark::State& state)
{
    const int batch = static_cast<int>(state.range(0));
    for (auto _ : state) {
        for (int i = 0; i < batch; ++i)
            QMetaObject::invokeMethod(
                g_qtTarget, [] { ++g_qtCount; }, Qt::QueuedConnection);
        QMetaObject::invokeMethod(
            g_qtTarget, [] { ++g_qtCount; }, Qt::BlockingQueuedConnection);
    }
    state.SetItemsProcessed(state.iterations() * batch);
}

BENCHMARK(BM_QtBlockingInvokeRoundTrip)->UseRealTime();
BENCHMARK(BM_GetterRoundTrip)->UseRealTime();
BENCHMARK(BM_QtQueuedInvokeThroughput)->Arg(1000)->UseRealTime();
BENCHMARK(BM_PostedThroughput)->Arg(1000)->UseRealTime();

const bool kAnchors = [] {
    vxbench::RatioReporter::setAnchor("BM_GetterRoundTrip", "BM_QtBlockingInvokeRoundTrip");
    vxbench::RatioReporter::setAnchor("BM_PostedThroughput", "BM_QtQueuedInvokeThroughput");
    return true;
}();

// Engine thread: starts the GUI side the way the bridge does, runs the benchmarks, quits.
int runBenchmarks()
{
    (void)kAnchors;
    auto* thread = new GuiThread(0);
    QtBridge::m_thread = thread;
    thread->start();
    thread->waitForAppToStart();
    if (!thread->getApplication()) {
        std::fprintf(stderr, "message_bench: the GUI thread did not start\n");
        return EXIT_FAILURE;
    }
    runOnGui([] {
        g_widget = new CountingWidget(&g_key);
        g_qtTarget = new QObject;
    });
    if (g_qtTarget->thread() == QThread::currentThread()) {
        std::fprintf(stderr, "message_bench: the benchmarks must not run on the GUI thread\n");
        return EXIT_FAILURE;
    }

    vxbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);

    runOnGui([] {
        delete g_widget;
        delete g_qtTarget;
    });
    thread->quit();
    QtBridge::m_thread = nullptr;
    delete thread;
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (!vxbench::initializeUnderHost(argc, argv))
        return 1;
    const int result = VXHost::runHost(argc, argv, &runBenchmarks);
    benchmark::Shutdown();
    return result;
}
