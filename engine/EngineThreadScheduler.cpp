#include "engine/EngineThreadScheduler.h"

#include "engine/HostFunctions.h"
#include "vrix/AtomicCounter.h"
#include "vrix/vxim/Thread.h"

#include <atomic>

bool messageBlocked = false;

namespace {

VRIX::AtomicCounter& engineTickleCounter()
{
    static VRIX::AtomicCounter counter(0);
    return counter;
}

std::atomic<void*> s_interpreter { nullptr };
int s_pendingTickles = 0; // engine thread only

// Taken when the library is loaded, if the host already runs an interpreter session.
const bool s_capturedAtLoad = [] {
    s_interpreter = zvm::currentLocalInterpreter();
    return true;
}();

// The command the interpreter runs on the engine thread for one wake-up.
void serveEngineQueue()
{
    const VXIM::Thread thread = VXIM::Thread::getCurrentThread();
    engineTickleCounter().testAndSet(1, 0);
    ++s_pendingTickles;
    if (messageBlocked || thread.processingMessages())
        return; // counted; the pass under way (or the blocker's end) serves it
    try {
        // The count is read after each pass: a wake-up counted by a nested command during the
        // pass (a listener that re-entered the interpreter) asks for one more pass.
        for (;;) {
            thread.processCurrentQueue();
            if (s_pendingTickles-- <= 1)
                break;
        }
    } catch (...) {
        // Packets left behind by a failing slot must not wait for an unrelated wake-up.
        if (thread.pendingPackets() > 0)
            tickleVELMARThread();
        throw;
    }
}

} // namespace

void captureEngineInterpreter()
{
    if (!s_interpreter.load())
        s_interpreter = zvm::currentLocalInterpreter();
}

int pendingEngineTickles()
{
    return s_pendingTickles;
}

void tickleVELMARThread()
{
    (void)s_capturedAtLoad;
    if (!engineTickleCounter().testAndSet(0, 1))
        return;
    void* interpreter = s_interpreter.load();
    // Without an interpreter nothing can run on the engine thread: re-arm, so a later
    // wake-up (after the interpreter exists) is not swallowed.
    if (!interpreter || !zvm::enqueueCommand(interpreter, &serveEngineQueue))
        engineTickleCounter().testAndSet(1, 0);
}

extern "C" void checkMultiZVM(int nlhs, zxArray** plhs, ...)
{
    if (!plhs)
        return;
    void* now = zvm::currentLocalInterpreter();
    plhs[0] = zxCreateLogicalScalar(now != s_interpreter.load());
}
