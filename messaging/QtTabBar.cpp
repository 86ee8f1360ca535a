#include "messaging/QtTabBar.h"

#include "engine/VXTab.h"
#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtTabBar::QtTabBar(VXWidget* parent)
    : VXTabBar(parent)
{
}

QtTabBar::~QtTabBar()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtTabBar::addTab(VXTab* page)
{
    QtContainerPeer::postHandle(this, TABBARAddTabMsg, page);
}

int QtTabBar::getCurrentTab()
{
    return QtWidgetPeer::sendForResult(this, TABBARGetCurrentTabMsg);
}

void QtTabBar::imSetCurrentTab(int index)
{
    QtWidgetPeer::postInt(this, TABBARImSetCurrentTabMsg, index);
}

void QtTabBar::setCurrentTab(int index)
{
    QtWidgetPeer::postInt(this, TABBARSetCurrentTabMsg, index);
}

void QtTabBar::setTabPosition(bool top)
{
    QtWidgetPeer::postBool(this, TABBARSetTabPositionMsg, top);
}

void QtTabBar::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

bool QtTabBar::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtTabBar::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtTabBar::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtTabBar::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
