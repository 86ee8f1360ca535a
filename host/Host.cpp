#include "host/Host.h"

#include "host/HostEventManagement.h"
#include "host/HostSettings.h"
#include "host/Interpreter.h"
#include "host/MainThreadQueue.h"
#include "vrix/services/ServiceRegistry.h"

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <thread>

namespace VXHost {

namespace {

int runEngine(const std::function<int()>& engineMain)
{
    try {
        return engineMain();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "vxhost: the engine thread ended with an exception: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "vxhost: the engine thread ended with an exception\n");
    }
    return EXIT_FAILURE;
}

} // namespace

int runHost(int /*argc*/, char** /*argv*/, std::function<int()> engineMain)
{
    if (!engineMain)
        return EXIT_FAILURE;
    installHostServices();

    Interpreter& interpreter = Interpreter::instance();
    MainThreadQueue& mainThread = MainThreadQueue::instance();
    interpreter.open();
    interpreter.startSession();
    mainThread.reopen();

    int result = EXIT_FAILURE;
    std::thread engine([&] {
        interpreter.bindEngineThread(std::this_thread::get_id());
        result = runEngine(engineMain);
        // Leftover commands die here, on the engine thread, not on the main thread.
        interpreter.close();
        mainThread.close();
    });
    mainThread.serveUntilClosed();
    engine.join();
    interpreter.bindEngineThread(std::thread::id());
    return result;
}

HostEventManagement* installHostServices()
{
    using Service = VXServices::VXService<VXServices::EventManagement>;
    if (auto* installed = dynamic_cast<HostEventManagement*>(Service::get()))
        return installed;
    auto* service = new HostEventManagement;
    Service::install(service);
    return service;
}

void hostSetRoot(const char* path)
{
    HostSettings::instance().setRoot(path);
}

void hostSetStandaloneMode(bool standalone)
{
    HostSettings::instance().setStandaloneMode(standalone);
}

} // namespace VXHost
