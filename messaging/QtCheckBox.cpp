#include "messaging/QtCheckBox.h"

#include "messaging/PeerCall.h"

QtCheckBox::QtCheckBox(VXWidget* parent)
    : QtPeer<VXCheckBox>(parent)
{
}

void QtCheckBox::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}

void QtCheckBox::setLabel(const char* label)
{
    vxpeer::post(this, CHKSetLabelMsg, label);
}

void QtCheckBox::setLabel(const std::u16string& label)
{
    vxpeer::post(this, CHKSetLabelMsg, label);
}

std::u16string QtCheckBox::getLabel()
{
    return vxpeer::ask<std::u16string>(this, CHKGetLabelMsg);
}

bool QtCheckBox::getChecked()
{
    return vxpeer::ask<bool>(this, CHKGetCheckMsg);
}

void QtCheckBox::setChecked(bool checked)
{
    vxpeer::post(this, CHKSetCheckMsg, checked);
}

void QtCheckBox::imSetChecked(bool checked)
{
    vxpeer::post(this, CHKSetImCheckMsg, checked);
}
