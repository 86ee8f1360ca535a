#include "messaging/QtWebBrowser.h"

#include "messaging/QtBridge.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtWidgetPeer.h"

QtWebBrowser::QtWebBrowser(VXWidget* parent)
    : VXWebBrowser(parent)
{
}

QtWebBrowser::~QtWebBrowser()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

std::string QtWebBrowser::getUrl()
{
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(QtWidgetPeer::key(this), WEBGetUrlMsg), &reply);
    const auto* text = dynamic_cast<const QtStringMessage*>(reply.get());
    if (!text)
        return {};
    return text->m_string.toLocal8Bit().toStdString();
}

void QtWebBrowser::setUrl(const std::string& url)
{
    QtBridge::post(new QtStringMessage(QtWidgetPeer::key(this), WEBSetUrlMsg, url.c_str(), false));
}

void QtWebBrowser::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtWebBrowser::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtWebBrowser::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

bool QtWebBrowser::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtWebBrowser::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtWebBrowser::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtWebBrowser::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtWebBrowser::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}
