#include "messaging/QtWidgetStack.h"

#include "messaging/PeerCall.h"

QtWidgetStack::QtWidgetStack(VXWidget* parent)
    : QtPeer<VXWidgetStack>(parent)
{
}

void QtWidgetStack::addWidget(VXWidget* page, int id)
{
    vxpeer::post(this, WSAddWidgetMsg, vxpeer::HandleInts { page, id });
}

void QtWidgetStack::raiseWidget(int id)
{
    vxpeer::post(this, WSRaiseWidgetIdMsg, id);
}

void QtWidgetStack::raiseWidget(VXWidget* page)
{
    vxpeer::post(this, WSRaiseWidgetPtrMsg, vxpeer::Handle { page });
}

int QtWidgetStack::getCurrentWidgetId()
{
    return vxpeer::ask<int>(this, WSGetCurrentWidgetIdMsg);
}

void QtWidgetStack::refreshSize()
{
    vxpeer::post(this, WSRefreshSizeMsg);
}
