#include "messaging/QtEdit.h"

#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtWidgetPeer.h"

#include <QString>

QtEdit::QtEdit(VXWidget* parent)
    : VXEdit(parent)
{
}

QtEdit::~QtEdit()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtEdit::setText(const char* text)
{
    QtWidgetPeer::postText(this, EDITSetTextMsg, text);
}

void QtEdit::setTextU(const std::u16string& text)
{
    QtWidgetPeer::postText(this, EDITSetTextMsg, text);
}

void QtEdit::imSetText(const char* text)
{
    QtWidgetPeer::postText(this, EDITImSetTextMsg, text);
}

void QtEdit::imSetTextU(const std::u16string& text)
{
    QtWidgetPeer::postText(this, EDITImSetTextMsg, text);
}

std::string QtEdit::getText()
{
    return QString::fromStdU16String(getTextU()).toLocal8Bit().toStdString();
}

std::u16string QtEdit::getTextU()
{
    return QtWidgetPeer::sendForText(this, EDITGetTextMsg);
}

void QtEdit::setPlaceholderText(const char* text)
{
    QtWidgetPeer::postText(this, EDITSetPlaceholderTextMsg, text);
}

std::u16string QtEdit::getPlaceholderText()
{
    return QtWidgetPeer::sendForText(this, EDITGetPlaceholderTextMsg);
}

void QtEdit::setClearable(bool clearable)
{
    QtWidgetPeer::postBool(this, EDITSetClearableMsg, clearable);
}

void QtEdit::setEchoMode(bool password)
{
    QtWidgetPeer::postBool(this, EDITSetEchoModeMsg, password);
}

bool QtEdit::getEchoMode()
{
    return QtBridge::sendForInt(new QtMessage(this, EDITGetEchoModeMsg), 0) != 0;
}

void QtEdit::setUseCustomContextMenu(bool use)
{
    QtWidgetPeer::postBool(this, EDITSetUseCustomContextMenuMsg, use);
}

void QtEdit::setCustomContextMenu(VXPopupMenu* menu)
{
    // The GUI side looks the handle up; a stale or foreign one adds no actions.
    QtBridge::post(
        new QtHandleMessage(this, EDITSetCustomContextMenuMsg, static_cast<void*>(menu)));
}

VRIX::VXPoint<int> QtEdit::imFindLabelPosition(VXText* label)
{
    return QtWidgetPeer::sendForPoint(
        new QtHandleMessage(this, EDITFindLabelPositionMsg, static_cast<void*>(label)));
}

VRIX::VXPoint<int> QtEdit::imGetPosition()
{
    return QtWidgetPeer::sendForPoint(new QtMessage(this, EDITGetPositionMsg));
}

std::u16string QtEdit::imGetFontFamily()
{
    return QtWidgetPeer::sendForText(this, GetFontFamilyMsg);
}

int QtEdit::imGetFontSize()
{
    return QtBridge::sendForInt(new QtMessage(this, GetFontSizeMsg), 0);
}

std::u16string QtEdit::imGetToolTip()
{
    return QtWidgetPeer::sendForText(this, GetToolTipMsg);
}

void QtEdit::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtEdit::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtEdit::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtEdit::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtEdit::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}

void QtEdit::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtEdit::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtEdit::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

bool QtEdit::getBackgroundColor(double& red, double& green, double& blue)
{
    return QtWidgetPeer::sendForColor(this, GetBackgroundColorMsg, red, green, blue);
}

bool QtEdit::getForegroundColor(double& red, double& green, double& blue)
{
    return QtWidgetPeer::sendForColor(this, GetForegroundColorMsg, red, green, blue);
}

void QtEdit::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtEdit::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtEdit::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

bool QtEdit::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtEdit::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}
