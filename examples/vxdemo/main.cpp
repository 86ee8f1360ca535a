// vxdemo: a host application embedding the toolkit. The main thread is lent to the GUI; the
// engine thread (this program's "interpreter") drives the toolkit through the bridge and runs
// the commands the toolkit enqueues for it.
//
//   vxdemo            with a display: shows boxes and a modal alert, waits for the user
//   vxdemo --headless opens and closes boxes without waiting (used under the offscreen platform)
#include "engine/VXBridge.h"
#include "host/Host.h"
#include "host/Interpreter.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

int runDemo(bool headless)
{
    VXBridge* bridge = VXBridge::getBridge(VRIX::StringID("qt"));
    if (!bridge) {
        std::fprintf(stderr, "vxdemo: the GUI toolkit did not start\n");
        return 1;
    }
    std::printf("vxdemo: GUI started, %d widgets\n", bridge->getHashedSize());

    const int info = bridge->infoMessage(nullptr, "vxdemo",
        "The engine thread opened this box through the bridge.   Its text was   simplified.",
        false);
    const int warning
        = bridge->warningMessage(nullptr, u"vxdemo warning", u"A second, non-blocking box.", false);
    std::printf("vxdemo: opened boxes with handles %d and %d\n", info, warning);

    if (headless) {
        bridge->closeMessageBox(info);
        bridge->closeMessageBox(warning);
        bridge->closeMessageBox(warning); // closing twice is harmless
        std::printf("vxdemo: closed both boxes\n");
    } else {
        const int pressed = bridge->showModalAlert(nullptr, "Question",
            u"Close the demo? The engine thread waits for your answer.", "Close", "Keep boxes", "",
            1, "");
        std::printf("vxdemo: the user pressed button %d\n", pressed);
        if (pressed == 2) {
            bridge->showModalAlert(
                nullptr, "Information", u"Press OK to end the demo.", "OK", "", "", 1, "");
        }
    }

    // Serve whatever the toolkit queued for the engine thread before shutting down.
    VXHost::Interpreter::instance().processPendingCommands();
    bridge->quit();
    VXBridge::destroyBridges();
    std::printf("vxdemo: GUI stopped\n");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    bool headless = false;
    for (int i = 1; i < argc; ++i)
        headless = headless || std::strcmp(argv[i], "--headless") == 0;
    return VXHost::runHost(argc, argv, [headless] { return runDemo(headless); });
}
