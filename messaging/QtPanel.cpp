#include "messaging/QtPanel.h"

#include "messaging/QtWidgetPeer.h"

QtPanel::QtPanel() = default;

QtPanel::QtPanel(VXWidget* parent)
    : VXPanel(parent)
{
}

QtPanel::~QtPanel()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtPanel::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtPanel::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtPanel::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

bool QtPanel::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtPanel::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

std::u16string QtPanel::imGetToolTip()
{
    return QtWidgetPeer::sendForText(this, GetToolTipMsg);
}

void QtPanel::setShowGrid(bool show)
{
    QtWidgetPeer::postBool(this, ShowGridMsg, show);
}

void QtPanel::refreshSize()
{
    QtWidgetPeer::post(this, PNLRefreshSizeMsg);
}

void QtPanel::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtPanel::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtPanel::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtPanel::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}
