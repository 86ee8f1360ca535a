#include "messaging/QtGroupedRadioButton.h"

#include "messaging/QtBridge.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtWidgetPeer.h"

QtGroupedRadioButton::QtGroupedRadioButton(VXWidget* parent)
    : VXGroupedRadioButton(parent)
{
}

QtGroupedRadioButton::~QtGroupedRadioButton()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtGroupedRadioButton::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtGroupedRadioButton::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

bool QtGroupedRadioButton::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

void QtGroupedRadioButton::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtGroupedRadioButton::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

bool QtGroupedRadioButton::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtGroupedRadioButton::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtGroupedRadioButton::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtGroupedRadioButton::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtGroupedRadioButton::setShadowColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetShadowColorMsg, red, green, blue);
}

bool QtGroupedRadioButton::getBackgroundColor(double& red, double& green, double& blue)
{
    return QtWidgetPeer::sendForColor(this, GetBackgroundColorMsg, red, green, blue);
}

void QtGroupedRadioButton::setFont(
    const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtGroupedRadioButton::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtGroupedRadioButton::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtGroupedRadioButton::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

void QtGroupedRadioButton::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}

void QtGroupedRadioButton::insertRadioButtons(const std::vector<std::u16string>& labels)
{
    auto* message = new QtListInt2Message(this, GRBInsertRadioButtonsMsg);
    for (const std::u16string& label : labels)
        message->addListItem(label);
    QtBridge::post(message);
}

int QtGroupedRadioButton::getCurrentItem()
{
    // 0 without a widget is what every getter answers then.
    return QtWidgetPeer::sendForResult(this, GRBGetCurrentItemMsg);
}

void QtGroupedRadioButton::select(int index)
{
    QtWidgetPeer::postInt(this, GRBSelectMsg, index);
}

void QtGroupedRadioButton::setCurrentItem(int index)
{
    QtWidgetPeer::postInt(this, GRBSetCurrentItemMsg, index);
}

void QtGroupedRadioButton::setTitle(const std::u16string& title)
{
    QtWidgetPeer::postText(this, GRBSetTitleMsg, title);
}

int QtGroupedRadioButton::getNumButtons()
{
    return QtWidgetPeer::sendForResult(this, GRBGetNumButtonsMsg);
}

void QtGroupedRadioButton::setOrientHorizontal(bool horizontal)
{
    QtWidgetPeer::postBool(this, GRBSetOrientHorizontalMsg, horizontal);
}

void QtGroupedRadioButton::setShowBorder(bool show)
{
    QtWidgetPeer::postBool(this, GRBSetShowBorderMsg, show);
}
