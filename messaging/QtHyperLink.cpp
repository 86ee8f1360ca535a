#include "messaging/QtHyperLink.h"

#include "messaging/QtWidgetPeer.h"

QtHyperLink::QtHyperLink(VXWidget* parent)
    : VXHyperLink(parent)
{
}

QtHyperLink::~QtHyperLink()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtHyperLink::setURL(const char* url)
{
    QtWidgetPeer::postText(this, HYPSetURLMsg, url);
}

void QtHyperLink::setURL(const std::u16string& url)
{
    QtWidgetPeer::postText(this, HYPSetURLMsg, url);
}

std::u16string QtHyperLink::getURL()
{
    return QtWidgetPeer::sendForText(this, HYPGetURLMsg);
}

void QtHyperLink::click()
{
    QtWidgetPeer::post(this, HYPClickMsg);
}

void QtHyperLink::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtHyperLink::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtHyperLink::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtHyperLink::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtHyperLink::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtHyperLink::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtHyperLink::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtHyperLink::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtHyperLink::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtHyperLink::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtHyperLink::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

bool QtHyperLink::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtHyperLink::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}
