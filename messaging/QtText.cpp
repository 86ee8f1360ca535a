#include "messaging/QtText.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"

QtText::QtText(VXWidget* parent)
    : QtPeer<VXText>(parent)
{
}

void QtText::setText(const char* text)
{
    vxpeer::post(this, TXTSetTextMsg, text);
}

void QtText::setText(const std::u16string& text)
{
    vxpeer::post(this, TXTSetTextMsg, text);
}

std::u16string QtText::getText()
{
    return vxpeer::ask<std::u16string>(this, TXTGetTextMsg);
}

void QtText::assignBuddy(VXWidget* buddy)
{
    // Looked up on the GUI side: an unknown or stale proxy clears the buddy.
    vxpeer::post(new QtHandleMessage(this, TXTAssignBuddyMsg, static_cast<void*>(buddy)));
}

void QtText::setWordWrap(bool wrap)
{
    vxpeer::post(this, TXTWordWrapMsg, wrap);
}

int QtText::getFontSize()
{
    return vxpeer::ask<int>(this, GetFontSizeMsg);
}
