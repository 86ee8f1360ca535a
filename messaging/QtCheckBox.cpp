#include "messaging/QtCheckBox.h"

#include "messaging/QtWidgetPeer.h"

QtCheckBox::QtCheckBox(VXWidget* parent)
    : VXCheckBox(parent)
{
}

QtCheckBox::~QtCheckBox()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtCheckBox::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtCheckBox::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

bool QtCheckBox::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

void QtCheckBox::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtCheckBox::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

bool QtCheckBox::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtCheckBox::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtCheckBox::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtCheckBox::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtCheckBox::setShadowColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetShadowColorMsg, red, green, blue);
}

bool QtCheckBox::getBackgroundColor(double& red, double& green, double& blue)
{
    return QtWidgetPeer::sendForColor(this, GetBackgroundColorMsg, red, green, blue);
}

void QtCheckBox::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtCheckBox::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtCheckBox::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtCheckBox::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

void QtCheckBox::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}

void QtCheckBox::setLabel(const char* label)
{
    QtWidgetPeer::postText(this, CHKSetLabelMsg, label);
}

void QtCheckBox::setLabel(const std::u16string& label)
{
    QtWidgetPeer::postText(this, CHKSetLabelMsg, label);
}

std::u16string QtCheckBox::getLabel()
{
    return QtWidgetPeer::sendForText(this, CHKGetLabelMsg);
}

bool QtCheckBox::getChecked()
{
    return QtWidgetPeer::sendForResult(this, CHKGetCheckMsg) != 0;
}

void QtCheckBox::setChecked(bool checked)
{
    QtWidgetPeer::postBool(this, CHKSetCheckMsg, checked);
}

void QtCheckBox::imSetChecked(bool checked)
{
    QtWidgetPeer::postBool(this, CHKSetImCheckMsg, checked);
}
