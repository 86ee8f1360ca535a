#include "messaging/QtTogglePanel.h"

#include "messaging/QtWidgetPeer.h"

QtTogglePanel::QtTogglePanel(VXWidget* parent)
    : VXTogglePanel(parent)
{
}

QtTogglePanel::~QtTogglePanel()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtTogglePanel::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtTogglePanel::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

bool QtTogglePanel::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtTogglePanel::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtTogglePanel::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtTogglePanel::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtTogglePanel::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtTogglePanel::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
