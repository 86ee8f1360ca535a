#include "tests/modelexplorer/PeerProbe.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtMessage.h"

#include "vrix/VXStringList.h"

#include <cxxabi.h>

#include <cstdlib>
#include <typeinfo>

namespace vxtest {

namespace {
std::string classOf(const QtMessage& message)
{
    int status = 0;
    char* readable = abi::__cxa_demangle(typeid(message).name(), nullptr, nullptr, &status);
    const std::string name = readable ? readable : typeid(message).name();
    std::free(readable);
    return name;
}
} // namespace

MessageProbe::MessageProbe(void* key, std::vector<SeenMessage>* seen, std::mutex* lock)
    : GuiWidget(key)
    , m_seen(seen)
    , m_lock(lock)
{
}

void MessageProbe::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    std::lock_guard<std::mutex> hold(*m_lock);
    std::string flags;
    if (auto* texts = dynamic_cast<QtHandleStr4Message*>(msg))
        flags = (texts->m_string2 + QLatin1Char(',') + texts->m_string3).toStdString();
    m_seen->push_back({ int(type), msg->m_syncControl != nullptr, classOf(*msg), flags });
}

UDInterface* object(std::uintptr_t n)
{
    return reinterpret_cast<UDInterface*>(n * 16);
}

VXMEObjectDataList* records()
{
    auto* list = new VXMEObjectDataList();
    list->push_back(new VXMEObjectMessageData(object(1)));
    return list;
}

VXStringList* names()
{
    auto* list = new VXStringList();
    list->addElement("Name");
    return list;
}

} // namespace vxtest
