#include "engine/VXBridge.h"

#include "engine/EngineThreadScheduler.h"
#include "engine/HostFunctions.h"
#include "engine/VRIXServices.h"
#include "engine/VXEvent.h"
#include "vrix/PreferenceStore.h"
#include "vrix/VXPreferences.h"
#include "vrix/services/ApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"
#include "vrix/vxim/Connect.h"

#include <atomic>
#include <cstring>

bool VXBridge::m_imPost = false;
std::map<VRIX::StringID, VXBridge*> VXBridge::m_bridges;

namespace {
std::atomic<VXBridge*> s_theBridge { nullptr };
VXBridge::Factory s_factory = nullptr;

// The sibling library's start-up: preferences live in the host's preferences directory.
void initialize_vrix_util()
{
    auto* context = VXServices::VXService<VXServices::ApplicationContext>::get();
    if (!context)
        return;
    if (const char* directory = context->getPreferencesDirectory(true))
        VXPreferences::store().setDirectory(directory);
}
} // namespace

VXBridge::VXBridge()
{
    VXIM::connect(m_pendingEvents, this, &VXBridge::doCallProcessPendingEvents,
        VXIM::Thread::getCurrentThread());
    if (auto* context = VXServices::VXService<VXServices::ApplicationContext>::get()) {
        context->registerFeature("LayoutActivate", 1, nullptr);
        context->registerFeature("OrviDeskSpreadSheet", 0, nullptr);
    }
}

VXBridge::~VXBridge()
{
    disconnect();
}

void VXBridge::setSendDeadline(int milliseconds)
{
    m_sendDeadline.store(milliseconds > 0 ? milliseconds : 0);
}

int VXBridge::sendDeadline() const
{
    return m_sendDeadline.load();
}

void VXBridge::setFactory(Factory factory)
{
    s_factory = factory;
}

VXBridge* VXBridge::existingBridge()
{
    return s_theBridge.load();
}

VXBridge* VXBridge::getBridge(const VRIX::StringID& id)
{
    if (VXBridge* bridge = s_theBridge.load())
        return bridge;
    if (!s_factory)
        return nullptr;
    VRIX_MI::initializeVelmarVRIXServices();
    initialize_vrix_util();
    captureEngineInterpreter();
    VXIM::Thread::registerThread("VELMAR", &tickleVELMARThread);
    VXBridge* bridge = s_factory();
    s_theBridge = bridge;
    // The GUI application asks for the bridge while it starts; it gets it from the pointer.
    bridge->start();
    m_bridges[id] = bridge;
    return bridge;
}

void VXBridge::destroyBridges()
{
    // Cleared too (not only deleted): a later call then finds no bridge instead of a dangling one.
    auto bridges = std::move(m_bridges);
    m_bridges.clear();
    s_theBridge = nullptr;
    for (auto& entry : bridges)
        delete entry.second;
}

void VXBridge::addEvent(VXEvent* event)
{
    if (!event)
        return;
    if (m_bridges.empty()) {
        delete event;
        return;
    }
    m_bridges.begin()->second->enqueueEvent(event);
}

VXEvent* VXBridge::getNextEvent()
{
    for (auto& entry : m_bridges) {
        if (VXEvent* event = entry.second->dequeueEvent())
            return event;
    }
    return nullptr;
}

void VXBridge::doCallProcessPendingEvents()
{
    VXEvent::processPendingEvents();
}

char* VXBridge::copyStringToVELMAR(char* s)
{
    char* copy = utStrdup(s);
    delete[] s;
    return copy;
}

char* VXBridge::copyStringFromGUI(const char* s)
{
    if (!s)
        return nullptr;
    char* copy = new char[utStrlen(s) + 1];
    utStrcpy(copy, s);
    return copy;
}

char16_t* VXBridge::copyStringFromGUI(const std::u16string& s)
{
    char16_t* copy = new char16_t[s.size() + 1];
    utf16_strcpy(copy, s.c_str());
    return copy;
}
