#include "messaging/QtDialog.h"

#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtDialog::QtDialog() = default;

QtDialog::~QtDialog()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtDialog::setTitle(const char* title)
{
    QtWidgetPeer::postText(this, DLGSetTitleMsg, title);
}

void QtDialog::setTitle(const std::u16string& title)
{
    QtWidgetPeer::postText(this, DLGSetTitleMsg, title);
}

std::u16string QtDialog::getTitle()
{
    return QtWidgetPeer::sendForText(this, DLGGetTitleMsg);
}

void QtDialog::setIcon(const char* path)
{
    QtWidgetPeer::postText(this, DLGSetIconMsg, path);
}

void QtDialog::setModal(bool modal)
{
    QtWidgetPeer::postBool(this, DLGSetModalMsg, modal);
}

void QtDialog::monitorResize(bool monitor)
{
    QtWidgetPeer::postBool(this, DLGMonitorResizeMsg, monitor);
}

void QtDialog::move(int x, int y)
{
    QtContainerPeer::postInts(this, DLGMoveMsg, x, y);
}

void QtDialog::refreshSize()
{
    QtWidgetPeer::post(this, DLGRefreshSizeMsg);
}

void QtDialog::sendKeyAccel(int accelerator)
{
    QtWidgetPeer::postInt(this, DLGSendKeyAccelMsg, accelerator);
}

bool QtDialog::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtDialog::isVisible()
{
    return QtContainerPeer::sendForInt(this, DLGIsVisibleMsg) != 0;
}

bool QtDialog::isMaximized()
{
    return QtWidgetPeer::sendForResult(this, DLGIsMaximizedMsg) != 0;
}

bool QtDialog::isMinimized()
{
    return QtWidgetPeer::sendForResult(this, DLGIsMinimizedMsg) != 0;
}

void QtDialog::setWindowFrameless(bool frameless)
{
    QtWidgetPeer::postBool(this, DLSetWindowFramelessMsg, frameless);
}

bool QtDialog::isWindowFrameless()
{
    return QtContainerPeer::sendForInt(this, DLIsWindowFramelessMsg) != 0;
}

void QtDialog::setWindowTransient(bool transient)
{
    QtWidgetPeer::postBool(this, DLSetWindowTransientMsg, transient);
}

bool QtDialog::isWindowTransient()
{
    return QtContainerPeer::sendForInt(this, DLIsWindowTransientMsg) != 0;
}

void QtDialog::ignoreESC(bool ignore)
{
    QtWidgetPeer::postBool(this, DLGIgnoreESCMsg, ignore);
}

VRIX::VXRect<int> QtDialog::getClientGeometry()
{
    return QtContainerPeer::sendForRect(this, GetClientGeometryMsg);
}

VRIX::VXRect<int> QtDialog::getGeometry()
{
    return QtContainerPeer::sendForRect(this, GetGeometryMsg);
}

void QtDialog::setClientGeometry(int x, int y, int width, int height)
{
    QtContainerPeer::postRect(this, SetClientGeometryMsg, x, y, width, height);
}

void QtDialog::setGeometry(int x, int y, int width, int height)
{
    QtContainerPeer::postRect(this, SetGeometryMsg, x, y, width, height);
}

bool QtDialog::getBackgroundColor(double& red, double& green, double& blue)
{
    return QtWidgetPeer::sendForColor(this, GetBackgroundColorMsg, red, green, blue);
}

void QtDialog::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtDialog::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtDialog::showMinimized()
{
    QtWidgetPeer::post(this, ShowMinimizedMsg);
}

void QtDialog::showMaximized()
{
    QtWidgetPeer::post(this, ShowMaximizedMsg);
}

void QtDialog::showNormal()
{
    QtWidgetPeer::post(this, ShowNormalMsg);
}
