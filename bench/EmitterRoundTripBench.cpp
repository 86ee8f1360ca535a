// Round trip from the engine thread to a thread running a Qt event loop and back: the
// messaging core's SingleEmitter against Qt's blocking queued call and a bare
// mutex/condition-variable ping-pong.
#include "RatioReporter.h"

#include "vrix/AtomicCounter.h"
#include "vrix/vxim/Connect.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <benchmark/benchmark.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>

namespace {

constexpr QEvent::Type kWakeEvent = static_cast<QEvent::Type>(QEvent::User + 461);

/// Lives on the Qt thread: serves the core's queue when woken, like the toolkit's GUI thread.
class QueueServer : public QObject, public VXIM::Listener {
public:
    ~QueueServer() override { VXIM::Listener::disconnect(); }
    int answer(int v) { return v + 1; }
    static void tickle();
    static QueueServer* s_instance;
    static VRIX::AtomicCounter s_outstanding;

protected:
    bool event(QEvent* e) override
    {
        if (e->type() != kWakeEvent)
            return QObject::event(e);
        s_outstanding.testAndSet(1, 0);
        VXIM::Thread::getCurrentThread().processCurrentQueue();
        return true;
    }
};

QueueServer* QueueServer::s_instance = nullptr;
VRIX::AtomicCounter QueueServer::s_outstanding;

void QueueServer::tickle()
{
    if (s_outstanding.testAndSet(0, 1))
        QCoreApplication::postEvent(s_instance, new QEvent(kWakeEvent));
}

/// A QThread running Qt's loop with a QueueServer on it.
struct QtLoopThread {
    QtLoopThread()
    {
        std::promise<void> ready;
        auto started = ready.get_future();
        thread = QThread::create([this, &ready] {
            VXIM::Thread::registerThread("bench-qt", &QueueServer::tickle);
            server = new QueueServer;
            QueueServer::s_instance = server;
            vximThread = VXIM::Thread::getCurrentThread();
            ready.set_value();
            QEventLoop loop;
            loop.exec();
            delete server;
        });
        thread->start();
        started.wait();
    }
    ~QtLoopThread()
    {
        thread->quit();
        thread->wait();
        delete thread;
    }
    QThread* thread = nullptr;
    QueueServer* server = nullptr;
    VXIM::Thread vximThread;
};

void BM_SingleEmitterRoundTrip(benchmark::State& state)
{
    QtLoopThread qt;
    VXIM::SingleEmitter<int(int)> emitter;
    VXIM::connect(emitter, qt.server, &QueueServer::answer, qt.vximThread);
    int v = 0;
    for (auto _ : state)
        v = emitter(v);
    benchmark::DoNotOptimize(v);
    if (v != static_cast<int>(state.iterations()))
        state.SkipWithError("lost a round trip");
    qt.server->VXIM::Listener::disconnect();
}

void BM_QtBlockingQueuedRoundTrip(benchmark::State& state)
{
    QtLoopThread qt;
    int v = 0;
    for (auto _ : state) {
        QMetaObject::invokeMethod(
            qt.server, [&v] { v = v + 1; }, Qt::BlockingQueuedConnection);
    }
    benchmark::DoNotOptimize(v);
}

void BM_MutexConditionPingPong(benchmark::State& state)
{
    std::mutex mutex;
    std::condition_variable cv;
    int request = 0, reply = 0;
    bool stop = false;
    std::thread peer([&] {
        std::unique_lock<std::mutex> lock(mutex);
        for (;;) {
            cv.wait(lock, [&] { return stop || request != reply; });
            if (stop)
                return;
            reply = request;
            cv.notify_all();
        }
    });
    for (auto _ : state) {
        std::unique_lock<std::mutex> lock(mutex);
        ++request;
        cv.notify_all();
        cv.wait(lock, [&] { return reply == request; });
    }
    {
        std::lock_guard<std::mutex> lock(mutex);
        stop = true;
    }
    cv.notify_all();
    peer.join();
}

const bool kAnchors = [] {
    vxbench::RatioReporter::setAnchor("BM_SingleEmitterRoundTrip", "BM_QtBlockingQueuedRoundTrip");
    vxbench::RatioReporter::setAnchor("BM_MutexConditionPingPong", "BM_QtBlockingQueuedRoundTrip");
    return true;
}();

} // namespace

BENCHMARK(BM_QtBlockingQueuedRoundTrip)->UseRealTime();
BENCHMARK(BM_SingleEmitterRoundTrip)->UseRealTime();
BENCHMARK(BM_MutexConditionPingPong)->UseRealTime();
