#include "engine/VXAction.h"

#include "engine/HostFunctions.h"

VXAction::VXAction(VXWidget* parent, int id, const char* command, bool flag1, bool flag2)
    : VXAction(parent, id, fl::i18n::to_ustring(command ? command : ""), flag1, flag2)
{
}

VXAction::VXAction(VXWidget* parent, int id, const std::u16string& command, bool flag1, bool flag2)
    : m_id(id)
    , m_flag1(flag1)
    , m_flag2(flag2)
    , m_command(command)
{
    setParent(parent);
}

VXAction::~VXAction()
{
    disconnect();
}

void VXAction::setCommand(const char* command)
{
    setCommand(fl::i18n::to_ustring(command ? command : ""));
}

void VXAction::setCommand(const std::u16string& command)
{
    m_command = command;
}
