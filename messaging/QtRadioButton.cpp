#include "messaging/QtRadioButton.h"

#include "messaging/QtWidgetPeer.h"

QtRadioButton::QtRadioButton(VXWidget* parent)
    : VXRadioButton(parent)
{
}

QtRadioButton::~QtRadioButton()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtRadioButton::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtRadioButton::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

bool QtRadioButton::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtRadioButton::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtRadioButton::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

void QtRadioButton::setLabel(const char* label)
{
    QtWidgetPeer::postText(this, RBTSetLabelMsg, label);
}

void QtRadioButton::setLabel(const std::u16string& label)
{
    QtWidgetPeer::postText(this, RBTSetLabelMsg, label);
}

std::u16string QtRadioButton::getLabel()
{
    return QtWidgetPeer::sendForText(this, RBTGetLabelMsg);
}

bool QtRadioButton::isChecked()
{
    return QtWidgetPeer::sendForResult(this, RBTIsCheckedMsg) != 0;
}
