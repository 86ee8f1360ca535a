// Runs the host with an engine chosen by argv[1] and prints what the main thread saw, so a
// test can check runHost's result and the order of main-thread requests from outside.
#include "engine/HostFunctions.h"
#include "host/Host.h"

#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <stdexcept>
#include <thread>

namespace {

std::thread::id mainThread;
std::mutex mutex;
std::condition_variable changed;
bool engineDone = false;

void report(const char* what)
{
    std::printf("%s %s\n", what, std::this_thread::get_id() == mainThread ? "main" : "other");
}

// Holds the main thread until the engine has said it is about to return.
void first(void*)
{
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [] { return engineDone; });
    report("first");
}

void second(void*)
{
    report("second");
}

int orderEngine()
{
    zcr_run_on_main_thread(first, nullptr);
    zcr_run_on_main_thread(second, nullptr);
    {
        std::lock_guard<std::mutex> lock(mutex);
        engineDone = true;
    }
    changed.notify_all();
    return 7;
}

int throwingEngine()
{
    throw std::runtime_error("engine failure");
}

} // namespace

int main(int argc, char** argv)
{
    mainThread = std::this_thread::get_id();
    const char* mode = argc > 1 ? argv[1] : "";
    int result = -1;
    if (std::strcmp(mode, "order") == 0)
        result = VXHost::runHost(argc, argv, orderEngine);
    else if (std::strcmp(mode, "throw") == 0)
        result = VXHost::runHost(argc, argv, throwingEngine);
    std::printf("result %d\n", result);
    return result;
}
