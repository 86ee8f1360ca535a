// The host functions that reach the interpreter and the main thread.
#include "host/ExportedHostFunctions.h"

#include "host/Interpreter.h"
#include "host/MainThreadQueue.h"

void zcr_run_on_main_thread(void (*function)(void*), void* argument)
{
    if (!function)
        return;
    VXHost::MainThreadQueue::instance().post([function, argument] { function(argument); });
}

namespace zvm {

void* currentLocalInterpreter()
{
    return VXHost::Interpreter::instance().session();
}

bool enqueueCommand(void* interpreter, std::function<void()> command)
{
    VXHost::Interpreter& host = VXHost::Interpreter::instance();
    // Only the live session's handle reaches the queue: a stale or foreign pointer is refused.
    if (!interpreter || interpreter != host.session())
        return false;
    return host.enqueue(std::move(command));
}

} // namespace zvm
