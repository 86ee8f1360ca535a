#include "messaging/QtButton.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"

QtButton::QtButton(VXWidget* parent)
    : QtPeer<VXButton>(parent)
{
}

void QtButton::setLabel(const char* label)
{
    vxpeer::post(this, BTNSetLabelMsg, label);
}

void QtButton::setLabel(const std::u16string& label)
{
    vxpeer::post(this, BTNSetLabelMsg, label);
}

void QtButton::setMenu(VXPopupMenu* menu)
{
    // The GUI side looks the handle up; a stale or foreign one just finds no menu.
    vxpeer::post(new QtHandleMessage(this, BTNSetMenuMsg, static_cast<void*>(menu)));
}

void QtButton::setIcon(const char* path)
{
    vxpeer::post(this, BTNSetIconMsg, path);
}

void QtButton::click()
{
    vxpeer::post(this, BTNClickMsg);
}

void QtButton::setDefault(bool isDefault)
{
    vxpeer::post(this, BTNSetDefaultMsg, isDefault);
}

bool QtButton::isIconSet()
{
    return vxpeer::ask<bool>(this, BTNIsIconSetMsg);
}

void QtButton::setFlat(bool flat)
{
    vxpeer::post(this, BTNSetFlatMsg, flat);
}
