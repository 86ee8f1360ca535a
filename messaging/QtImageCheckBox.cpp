#include "messaging/QtImageCheckBox.h"

#include "messaging/QtWidgetPeer.h"

QtImageCheckBox::QtImageCheckBox(VXWidget* parent)
    : VXImageCheckBox(parent)
{
}

QtImageCheckBox::~QtImageCheckBox()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtImageCheckBox::setTitle(const std::u16string& title)
{
    QtWidgetPeer::postText(this, IMGCHCKSetTitleMsg, title);
}

void QtImageCheckBox::setToggled(bool toggled)
{
    QtWidgetPeer::postBool(this, IMGCHCKSetToggledMsg, toggled);
}
