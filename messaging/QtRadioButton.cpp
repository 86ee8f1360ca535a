#include "messaging/QtRadioButton.h"

#include "messaging/PeerCall.h"

QtRadioButton::QtRadioButton(VXWidget* parent)
    : QtPeer<VXRadioButton>(parent)
{
}

void QtRadioButton::setLabel(const char* label)
{
    vxpeer::post(this, RBTSetLabelMsg, label);
}

void QtRadioButton::setLabel(const std::u16string& label)
{
    vxpeer::post(this, RBTSetLabelMsg, label);
}

std::u16string QtRadioButton::getLabel()
{
    return vxpeer::ask<std::u16string>(this, RBTGetLabelMsg);
}

bool QtRadioButton::isChecked()
{
    return vxpeer::ask<bool>(this, RBTIsCheckedMsg);
}
