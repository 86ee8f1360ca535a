#include "messaging/QtEdit.h"

#include "engine/modelexplorer/VXMEObjectData.h"
#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStrBoolMessage.h"
#include "messaging/QtIntMessage.h"

#include "vrix/VXUStringList.h"

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

void QtEdit::enableAutoComplete(bool enable)
{
    vxpeer::post(this, EDITEnableAutoCompleteMsg, enable);
}

void QtEdit::setAutoCompleteView(VXUStringList* list)
{
    if (list)
        vxpeer::postOwned(this, EDITSetAutoCompleteViewMsg, list);
}

void QtEdit::setAutoCompleteData(
    std::list<VXMEObjectData*>* records, const std::u16string& prefix, bool refresh)
{
    // The message owns the records until the field takes them, so a dropped message frees them.
    vxpeer::post(new QtHandleStrBoolMessage(
        this, EDITSetAutoCompleteDataMsg, records,
        [](void* list) {
            auto* owned = static_cast<VXMEObjectDataList*>(list);
            VXMEObjectData::destroyList(owned);
        },
        prefix, refresh));
}

void QtEdit::setAutoCompleteMatchOption(int option)
{
    vxpeer::post(this, EDITSetAutoCompleteMatchOptionMsg, option);
}

void QtEdit::setAutoCompleteCompletionMode(int mode)
{
    vxpeer::post(this, EDITSetAutoCompleteCompletionModeMsg, mode);
}

int QtEdit::fillVectorWithAutoCompleteText(std::vector<void*>* out)
{
    if (!out)
        return 0;
    return vxpeer::send(new QtHandleMessage(this, EDITFillVectorWithAutoCompleteTextMsg, out));
}

void QtEdit::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}
