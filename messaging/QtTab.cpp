#include "messaging/QtTab.h"

#include "messaging/PeerCall.h"

QtTab::QtTab(VXWidget* parent)
    : QtPeer<VXTab>(parent)
{
}

void QtTab::setName(const char* name)
{
    vxpeer::post(this, TABSetNameMsg, name);
}

void QtTab::setName(const std::u16string& name)
{
    vxpeer::post(this, TABSetNameMsg, name);
}

std::u16string QtTab::getName()
{
    return vxpeer::ask<std::u16string>(this, TABGetNameMsg);
}
