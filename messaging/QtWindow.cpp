#include "messaging/QtWindow.h"

#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtWindow::QtWindow() = default;

QtWindow::~QtWindow()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

VRIX::VXRect<int> QtWindow::getPosition()
{
    return QtContainerPeer::sendForRect(this, WNDGetPositionMsg);
}

void QtWindow::setPosition(int x, int y, int width, int height)
{
    QtContainerPeer::postRect(this, WNDSetPositionMsg, x, y, width, height);
}

std::string QtWindow::getTitle()
{
    return QtContainerPeer::sendForLocal8Bit(this, WNDGetTitleMsg);
}

std::u16string QtWindow::getTitleU()
{
    return QtWidgetPeer::sendForText(this, WNDGetTitleUMsg);
}

void QtWindow::setTitle(const char* title)
{
    QtWidgetPeer::postText(this, WNDSetTitleMsg, title);
}

void QtWindow::setTitle(const std::u16string& title)
{
    QtWidgetPeer::postText(this, WNDSetTitleUMsg, title);
}

bool QtWindow::hasFocus()
{
    return QtWidgetPeer::sendForResult(this, WNDHasFocusMsg) != 0;
}

void QtWindow::setAlwaysOnTop(bool onTop)
{
    QtWidgetPeer::postBool(this, WNDSetAlwaysOnTopMsg, onTop);
}

void QtWindow::setCentralWidget(VXWidget* widget)
{
    QtContainerPeer::postHandle(this, WNDSetCentralWidgetMsg, widget);
}

void QtWindow::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtWindow::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
