#include "tests/modelexplorer/PeerProbe.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtMessage.h"

#include "vrix/VXStringList.h"

namespace vxtest {

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
    m_seen->push_back({ int(type), msg->m_syncControl != nullptr, flags });
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
