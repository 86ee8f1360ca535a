// Runs the host with an engine chosen by argv[1] and prints what the main thread saw, so a
// test can check runHost's result and the order of main-thread requests from outside.
#include "engine/HostFunctions.h"
#include "host/Host.h"

#include <cstdio>
#include <cstring>
#include <future>
#include <stdexcept>
#include <thread>

namespace {

std::thread::id mainThread;
std::promise<void> engineDone;

void report(const char* what)
{
    std::printf("%s %s\n", what, std::this_thread::get_id() == mainThread ? "main" : "other");
}

int orderEngine()
{
    // The first request holds the main thread until the engine is about to return.
    zcr_run_on_main_thread(
        [](void*) {
            engineDone.get_future().wait();
            report("first");
        },
        nullptr);
    zcr_run_on_main_thread([](void*) { report("second"); }, nullptr);
    engineDone.set_value();
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
