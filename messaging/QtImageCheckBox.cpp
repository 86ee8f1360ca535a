#include "messaging/QtImageCheckBox.h"

#include "messaging/PeerCall.h"

QtImageCheckBox::QtImageCheckBox(VXWidget* parent)
    : QtPeer<VXImageCheckBox>(parent)
{
}

void QtImageCheckBox::setTitle(const std::u16string& title)
{
    vxpeer::post(this, IMGCHCKSetTitleMsg, title);
}

void QtImageCheckBox::setToggled(bool toggled)
{
    vxpeer::post(this, IMGCHCKSetToggledMsg, toggled);
}
