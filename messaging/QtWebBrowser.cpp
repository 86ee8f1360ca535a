#include "messaging/QtWebBrowser.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtStringMessage.h"

QtWebBrowser::QtWebBrowser(VXWidget* parent)
    : QtPeer<VXWebBrowser>(parent)
{
}

std::string QtWebBrowser::getUrl()
{
    return vxpeer::askText8(this, WEBGetUrlMsg);
}

void QtWebBrowser::setUrl(const std::string& url)
{
    vxpeer::post(new QtStringMessage(this, WEBSetUrlMsg, url.c_str(), false));
}
