#include "messaging/QtWidgetStack.h"

#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtWidgetStack::QtWidgetStack(VXWidget* parent)
    : VXWidgetStack(parent)
{
}

QtWidgetStack::~QtWidgetStack()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtWidgetStack::addWidget(VXWidget* page, int id)
{
    QtContainerPeer::postHandleInts(this, WSAddWidgetMsg, page, id);
}

void QtWidgetStack::raiseWidget(int id)
{
    QtWidgetPeer::postInt(this, WSRaiseWidgetIdMsg, id);
}

void QtWidgetStack::raiseWidget(VXWidget* page)
{
    QtContainerPeer::postHandle(this, WSRaiseWidgetPtrMsg, page);
}

int QtWidgetStack::getCurrentWidgetId()
{
    return QtWidgetPeer::sendForResult(this, WSGetCurrentWidgetIdMsg);
}

void QtWidgetStack::refreshSize()
{
    QtWidgetPeer::post(this, WSRefreshSizeMsg);
}

void QtWidgetStack::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

bool QtWidgetStack::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtWidgetStack::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtWidgetStack::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtWidgetStack::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
