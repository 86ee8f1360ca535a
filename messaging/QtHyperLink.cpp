#include "messaging/QtHyperLink.h"

#include "messaging/PeerCall.h"

QtHyperLink::QtHyperLink(VXWidget* parent)
    : QtPeer<VXHyperLink>(parent)
{
}

void QtHyperLink::setURL(const char* url)
{
    vxpeer::post(this, HYPSetURLMsg, url);
}

void QtHyperLink::setURL(const std::u16string& url)
{
    vxpeer::post(this, HYPSetURLMsg, url);
}

std::u16string QtHyperLink::getURL()
{
    return vxpeer::ask<std::u16string>(this, HYPGetURLMsg);
}

void QtHyperLink::click()
{
    vxpeer::post(this, HYPClickMsg);
}
