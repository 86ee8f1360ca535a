#include "messaging/QtText.h"

#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtWidgetPeer.h"

QtText::QtText(VXWidget* parent)
    : VXText(parent)
{
}

QtText::~QtText()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtText::setText(const char* text)
{
    QtWidgetPeer::postText(this, TXTSetTextMsg, text);
}

void QtText::setText(const std::u16string& text)
{
    QtWidgetPeer::postText(this, TXTSetTextMsg, text);
}

std::u16string QtText::getText()
{
    return QtWidgetPeer::sendForText(this, TXTGetTextMsg);
}

void QtText::assignBuddy(VXWidget* buddy)
{
    // Looked up on the GUI side: an unknown or stale proxy clears the buddy.
    QtBridge::post(new QtHandleMessage(this, TXTAssignBuddyMsg, static_cast<void*>(buddy)));
}

void QtText::setWordWrap(bool wrap)
{
    QtWidgetPeer::postBool(this, TXTWordWrapMsg, wrap);
}

int QtText::getFontSize()
{
    return QtBridge::sendForInt(new QtMessage(this, GetFontSizeMsg), 0);
}

void QtText::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtText::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtText::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtText::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtText::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtText::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtText::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtText::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtText::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtText::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtText::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

bool QtText::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtText::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}
