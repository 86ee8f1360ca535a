#include "messaging/QtTabBar.h"

#include "engine/VXTab.h"
#include "messaging/PeerCall.h"

QtTabBar::QtTabBar(VXWidget* parent)
    : QtPeer<VXTabBar>(parent)
{
}

void QtTabBar::addTab(VXTab* page)
{
    vxpeer::post(this, TABBARAddTabMsg, vxpeer::Handle { page });
}

int QtTabBar::getCurrentTab()
{
    return vxpeer::ask<int>(this, TABBARGetCurrentTabMsg);
}

void QtTabBar::imSetCurrentTab(int index)
{
    vxpeer::post(this, TABBARImSetCurrentTabMsg, index);
}

void QtTabBar::setCurrentTab(int index)
{
    vxpeer::post(this, TABBARSetCurrentTabMsg, index);
}

void QtTabBar::setTabPosition(bool top)
{
    vxpeer::post(this, TABBARSetTabPositionMsg, top);
}
