// vxconsumer: the smallest host. It lends the main thread to the toolkit, builds a dialog with a
// button on its engine thread, clicks the button as a user would, prints the event it receives
// and quits. Exit status 0 only when exactly that event arrived.
#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXDialog.h"
#include "engine/VXEvent.h"
#include "engine/VXEventCatalogue.h"
#include "engine/VXListener.h"
#include "host/Host.h"
#include "host/Interpreter.h"

#include <chrono>
#include <cstdio>
#include <string>

namespace {

class Printer : public VXListener {
public:
    void handleEvent(const VXEvent* event) override
    {
        const char* name = VXEventCatalogue::name(event->getType());
        std::printf("event %s on widget %u\n", name ? name : "?", event->getWidgetUID());
        std::fflush(stdout);
        lastType = event->getType();
        ++count;
    }
    VXEventType lastType = InvalidEvent;
    int count = 0;
};

int runEngine()
{
    VXBridge* bridge = VXBridge::getBridge(VRIX::StringID("qt"));
    if (!bridge) {
        std::fprintf(stderr, "vxconsumer: the GUI did not start\n");
        return 1;
    }
    // The installation root the toolkit loads its pictures and translations from.
    std::printf("resources at %s\n", svVelmarRoot());
    Printer printer;
    VXDialog* dialog = bridge->createDialog(0);
    VXButton* button = dialog ? bridge->createButton(dialog, u"Press me") : nullptr;
    if (!button) {
        std::fprintf(stderr, "vxconsumer: no dialog or button\n");
        return 1;
    }
    dialog->setTitle(u"Consumer");
    button->setRect(20, 20, 160, 40);
    button->addEventListener(&printer, ButtonPressEvent);
    dialog->show();
    std::printf("dialog with button %s\n", button->isVisible() ? "shown" : "hidden");

    button->click();
    const bool received = VXHost::Interpreter::instance().processCommandsUntil(
        [&] { return printer.count > 0; }, std::chrono::seconds(10));

    button->removeEventListener(&printer, InvalidEvent);
    delete dialog; // deletes the button's proxy too
    bridge->quit();
    VXBridge::destroyBridges();
    std::printf("quit\n");
    return received && printer.lastType == ButtonPressEvent ? 0 : 2;
}

} // namespace

int main(int argc, char** argv)
{
    return VXHost::runHost(argc, argv, runEngine);
}
