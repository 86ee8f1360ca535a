#include "messaging/QtScrollView.h"

#include "messaging/PeerCall.h"

QtScrollView::QtScrollView(VXWidget* parent)
    : QtPeer<VXScrollView>(parent)
{
}

void QtScrollView::addWidget(VXWidget* content)
{
    vxpeer::post(this, SVAddWidgetMsg, vxpeer::Handle { content });
}

bool QtScrollView::isVScrollBarVisible()
{
    return vxpeer::ask<bool>(this, IsVScrollBarVisibleMsg);
}

bool QtScrollView::isHScrollBarVisible()
{
    return vxpeer::ask<bool>(this, IsHScrollBarVisibleMsg);
}
