#include "messaging/QtAction.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtBridge.h"

QtAction::QtAction(VXWidget* parent, int id, const std::u16string& command, bool flag1, bool flag2)
    : QtPeer<VXAction>(parent, id, command, flag1, flag2)
{
}

std::u16string QtAction::getStringValue(VXMessageType type)
{
    return vxpeer::ask<std::u16string>(this, type);
}

bool QtAction::getBoolValue(VXMessageType type)
{
    return vxpeer::ask<bool>(this, type);
}

std::u16string QtAction::getAccel()
{
    return getStringValue(ACTGetAccelMsg);
}

std::u16string QtAction::getIcon()
{
    return getStringValue(ACTGetIconMsg);
}

std::u16string QtAction::getStatusTip()
{
    return getStringValue(ACTGetStatusTipMsg);
}

std::u16string QtAction::getText()
{
    return getStringValue(ACTGetTextMsg);
}

std::u16string QtAction::getToolTip()
{
    return getStringValue(ACTGetToolTipMsg);
}

std::u16string QtAction::getWhatsThis()
{
    return getStringValue(ACTGetWhatsThisMsg);
}

bool QtAction::isEnabled()
{
    return getBoolValue(ACTIsEnabledMsg);
}

bool QtAction::isOn()
{
    return getBoolValue(ACTIsOnMsg);
}

bool QtAction::isToggleAction()
{
    return getBoolValue(ACTIsToggleActionMsg);
}

bool QtAction::isVisible()
{
    return getBoolValue(ACTIsVisibleMsg);
}

void QtAction::setAccel(const std::u16string& accel)
{
    vxpeer::post(this, ACTSetAccelMsg, accel);
}

void QtAction::setIcon(const std::u16string& path)
{
    vxpeer::post(this, ACTSetIconMsg, path);
}

void QtAction::setStatusTip(const std::u16string& tip)
{
    vxpeer::post(this, ACTSetStatusTipMsg, tip);
}

void QtAction::setText(const std::u16string& text)
{
    vxpeer::post(this, ACTSetTextMsg, text);
}

void QtAction::setToolTip(const std::u16string& tip)
{
    vxpeer::post(this, ACTSetToolTipMsg, tip);
}

void QtAction::setWhatsThis(const std::u16string& text)
{
    vxpeer::post(this, ACTSetWhatsThisMsg, text);
}

void QtAction::setEnabled(bool enabled)
{
    vxpeer::post(this, ACTSetEnableMsg, enabled);
}

void QtAction::show()
{
    vxpeer::post(this, ACTSetVisibleMsg, true);
}

void QtAction::hide()
{
    vxpeer::post(this, ACTSetVisibleMsg, false);
}

void QtAction::setOn(bool on, bool notify)
{
    auto* message = new QtBoolInt2Message(this, ACTSetOnMsg);
    message->m_bool = on;
    message->m_int1 = notify ? 1 : 0;
    vxpeer::post(message);
}

void QtAction::setToggleAction(bool toggle)
{
    vxpeer::post(this, ACTSetToggleActionMsg, toggle);
}

void QtAction::toggle()
{
    vxpeer::post(this, ACTToggleMsg);
}

void QtAction::trigger()
{
    vxpeer::post(this, ACTTriggerMsg);
}
