#include "messaging/QtAction.h"

#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtBridge.h"
#include "messaging/QtWidgetPeer.h"

QtAction::QtAction(VXWidget* parent, int id, const std::u16string& command, bool flag1, bool flag2)
    : VXAction(parent, id, command, flag1, flag2)
{
}

QtAction::~QtAction()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

std::u16string QtAction::getStringValue(VXMessageType type)
{
    return QtWidgetPeer::sendForText(this, type);
}

bool QtAction::getBoolValue(VXMessageType type)
{
    return QtWidgetPeer::sendForResult(this, type) != 0;
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
    QtWidgetPeer::postText(this, ACTSetAccelMsg, accel);
}

void QtAction::setIcon(const std::u16string& path)
{
    QtWidgetPeer::postText(this, ACTSetIconMsg, path);
}

void QtAction::setStatusTip(const std::u16string& tip)
{
    QtWidgetPeer::postText(this, ACTSetStatusTipMsg, tip);
}

void QtAction::setText(const std::u16string& text)
{
    QtWidgetPeer::postText(this, ACTSetTextMsg, text);
}

void QtAction::setToolTip(const std::u16string& tip)
{
    QtWidgetPeer::postText(this, ACTSetToolTipMsg, tip);
}

void QtAction::setWhatsThis(const std::u16string& text)
{
    QtWidgetPeer::postText(this, ACTSetWhatsThisMsg, text);
}

void QtAction::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, ACTSetEnableMsg, enabled);
}

void QtAction::show()
{
    QtWidgetPeer::postBool(this, ACTSetVisibleMsg, true);
}

void QtAction::hide()
{
    QtWidgetPeer::postBool(this, ACTSetVisibleMsg, false);
}

void QtAction::setOn(bool on, bool notify)
{
    auto* message = new QtBoolInt2Message(this, ACTSetOnMsg);
    message->m_bool = on;
    message->m_int1 = notify ? 1 : 0;
    QtBridge::post(message);
}

void QtAction::setToggleAction(bool toggle)
{
    QtWidgetPeer::postBool(this, ACTSetToggleActionMsg, toggle);
}

void QtAction::toggle()
{
    QtWidgetPeer::post(this, ACTToggleMsg);
}

void QtAction::trigger()
{
    QtWidgetPeer::post(this, ACTTriggerMsg);
}
