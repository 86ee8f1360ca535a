#include "messaging/QtWFlagsMessage.h"

QtWFlagsMessage::QtWFlagsMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtWFlagsMessage::QtWFlagsMessage(void* target, VXMessageType id, std::uint32_t flags)
    : QtMessage(target, id)
    , m_flags(flags)
{
}

QtWFlagsMessage::~QtWFlagsMessage() = default;
