#include "messaging/QtWindow.h"

#include "messaging/PeerCall.h"

QtWindow::QtWindow() = default;

VRIX::VXRect<int> QtWindow::getPosition()
{
    return vxpeer::ask<VRIX::VXRect<int>>(this, WNDGetPositionMsg);
}

void QtWindow::setPosition(int x, int y, int width, int height)
{
    vxpeer::post(this, WNDSetPositionMsg, vxpeer::Rect { x, y, width, height });
}

std::string QtWindow::getTitle()
{
    return vxpeer::askText8(this, WNDGetTitleMsg);
}

std::u16string QtWindow::getTitleU()
{
    return vxpeer::ask<std::u16string>(this, WNDGetTitleUMsg);
}

void QtWindow::setTitle(const char* title)
{
    vxpeer::post(this, WNDSetTitleMsg, title);
}

void QtWindow::setTitle(const std::u16string& title)
{
    vxpeer::post(this, WNDSetTitleUMsg, title);
}

bool QtWindow::hasFocus()
{
    return vxpeer::ask<bool>(this, WNDHasFocusMsg);
}

void QtWindow::setAlwaysOnTop(bool onTop)
{
    vxpeer::post(this, WNDSetAlwaysOnTopMsg, onTop);
}

void QtWindow::setCentralWidget(VXWidget* widget)
{
    vxpeer::post(this, WNDSetCentralWidgetMsg, vxpeer::Handle { widget });
}
