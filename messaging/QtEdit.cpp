#include "messaging/QtEdit.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"

#include <QString>

QtEdit::QtEdit(VXWidget* parent)
    : QtPeer<VXEdit>(parent)
{
}

void QtEdit::setText(const char* text)
{
    vxpeer::post(this, EDITSetTextMsg, text);
}

void QtEdit::setTextU(const std::u16string& text)
{
    vxpeer::post(this, EDITSetTextMsg, text);
}

void QtEdit::imSetText(const char* text)
{
    vxpeer::post(this, EDITImSetTextMsg, text);
}

void QtEdit::imSetTextU(const std::u16string& text)
{
    vxpeer::post(this, EDITImSetTextMsg, text);
}

std::string QtEdit::getText()
{
    return QString::fromStdU16String(getTextU()).toLocal8Bit().toStdString();
}

std::u16string QtEdit::getTextU()
{
    return vxpeer::ask<std::u16string>(this, EDITGetTextMsg);
}

void QtEdit::setPlaceholderText(const char* text)
{
    vxpeer::post(this, EDITSetPlaceholderTextMsg, text);
}

std::u16string QtEdit::getPlaceholderText()
{
    return vxpeer::ask<std::u16string>(this, EDITGetPlaceholderTextMsg);
}

void QtEdit::setClearable(bool clearable)
{
    vxpeer::post(this, EDITSetClearableMsg, clearable);
}

void QtEdit::setEchoMode(bool password)
{
    vxpeer::post(this, EDITSetEchoModeMsg, password);
}

bool QtEdit::getEchoMode()
{
    return vxpeer::ask<bool>(this, EDITGetEchoModeMsg);
}

void QtEdit::setUseCustomContextMenu(bool use)
{
    vxpeer::post(this, EDITSetUseCustomContextMenuMsg, use);
}

void QtEdit::setCustomContextMenu(VXPopupMenu* menu)
{
    // The GUI side looks the handle up; a stale or foreign one adds no actions.
    vxpeer::post(new QtHandleMessage(this, EDITSetCustomContextMenuMsg, static_cast<void*>(menu)));
}

VRIX::VXPoint<int> QtEdit::imFindLabelPosition(VXText* label)
{
    return vxpeer::ask<VRIX::VXPoint<int>>(
        new QtHandleMessage(this, EDITFindLabelPositionMsg, static_cast<void*>(label)));
}

VRIX::VXPoint<int> QtEdit::imGetPosition()
{
    return vxpeer::ask<VRIX::VXPoint<int>>(new QtMessage(this, EDITGetPositionMsg));
}

std::u16string QtEdit::imGetFontFamily()
{
    return vxpeer::ask<std::u16string>(this, GetFontFamilyMsg);
}

int QtEdit::imGetFontSize()
{
    return vxpeer::ask<int>(this, GetFontSizeMsg);
}

void QtEdit::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}
