#include "tests/support/GuiThreadRunner.h"

#include "vrix/SanitizerAnnotations.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <gtest/gtest.h>

#include <exception>
#include <string>

namespace vxtest {

namespace {

// One call's closure, its outcome, and the thread that asked for it.
struct Call {
    const std::function<void()>* work;
    bool finished = false;
    std::string error;

    void run()
    {
        try {
            (*work)();
            finished = true;
        } catch (const std::exception& e) {
            error = e.what();
        } catch (...) {
            error = "unknown exception";
        }
    }
};

// Where the hand-offs below are stated to the thread sanitizer.
const char s_handOffTag = 0;

// The only capture of the closure posted through Qt's queue, whose locks the thread
// sanitizer cannot see. Each copy or move publishes the caller's writes once the closure is
// in place; the GUI thread takes them in before running and publishes its own after; the
// closure's destruction (on whichever thread drops it last) takes those in before the
// memory is freed.
class HandOff {
public:
    explicit HandOff(Call* call)
        : m_call(call)
    {
        release();
    }
    HandOff(const HandOff& other)
        : m_call(other.m_call)
    {
        release();
    }
    HandOff& operator=(const HandOff&) = delete;
    ~HandOff() { acquire(); }

    Call* call() const { return m_call; }
    // One fixed address: the receiving side must not read m_call before it has acquired.
    void acquire() const { vxTsanAcquire(&s_handOffTag); }
    void release() const { vxTsanRelease(&s_handOffTag); }

private:
    Call* m_call;
};

} // namespace

bool GuiThreadRunner::run(const std::function<void()>& work)
{
    QCoreApplication* application = QCoreApplication::instance();
    if (!application) {
        ADD_FAILURE() << "runOnGuiThread: no application object exists";
        return false;
    }
    if (!work)
        return true;
    Call call;
    call.work = &work;
    if (QThread::currentThread() == application->thread()) {
        call.run();
    } else {
        const HandOff handOff(&call);
        const bool invoked = QMetaObject::invokeMethod(
            application,
            [handOff] {
                handOff.acquire();
                handOff.call()->run();
                handOff.release();
            },
            Qt::BlockingQueuedConnection);
        handOff.acquire();
        if (!invoked) {
            ADD_FAILURE() << "runOnGuiThread: the call could not be queued";
            return false;
        }
    }
    if (!call.finished)
        ADD_FAILURE() << "runOnGuiThread: the closure threw: " << call.error;
    return call.finished;
}

} // namespace vxtest
