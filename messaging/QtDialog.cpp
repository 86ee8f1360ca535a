#include "messaging/QtDialog.h"

#include "messaging/PeerCall.h"

QtDialog::QtDialog() = default;

void QtDialog::setTitle(const char* title)
{
    vxpeer::post(this, DLGSetTitleMsg, title);
}

void QtDialog::setTitle(const std::u16string& title)
{
    vxpeer::post(this, DLGSetTitleMsg, title);
}

std::u16string QtDialog::getTitle()
{
    return vxpeer::ask<std::u16string>(this, DLGGetTitleMsg);
}

void QtDialog::setIcon(const char* path)
{
    vxpeer::post(this, DLGSetIconMsg, path);
}

void QtDialog::setModal(bool modal)
{
    vxpeer::post(this, DLGSetModalMsg, modal);
}

void QtDialog::monitorResize(bool monitor)
{
    vxpeer::post(this, DLGMonitorResizeMsg, monitor);
}

void QtDialog::move(int x, int y)
{
    vxpeer::post(this, DLGMoveMsg, vxpeer::Ints { x, y });
}

void QtDialog::refreshSize()
{
    vxpeer::post(this, DLGRefreshSizeMsg);
}

void QtDialog::sendKeyAccel(int accelerator)
{
    vxpeer::post(this, DLGSendKeyAccelMsg, accelerator);
}

bool QtDialog::isVisible()
{
    return vxpeer::ask<bool>(this, DLGIsVisibleMsg);
}

bool QtDialog::isMaximized()
{
    return vxpeer::ask<bool>(this, DLGIsMaximizedMsg);
}

bool QtDialog::isMinimized()
{
    return vxpeer::ask<bool>(this, DLGIsMinimizedMsg);
}

void QtDialog::setWindowFrameless(bool frameless)
{
    vxpeer::post(this, DLSetWindowFramelessMsg, frameless);
}

bool QtDialog::isWindowFrameless()
{
    return vxpeer::ask<bool>(this, DLIsWindowFramelessMsg);
}

void QtDialog::setWindowTransient(bool transient)
{
    vxpeer::post(this, DLSetWindowTransientMsg, transient);
}

bool QtDialog::isWindowTransient()
{
    return vxpeer::ask<bool>(this, DLIsWindowTransientMsg);
}

void QtDialog::ignoreESC(bool ignore)
{
    vxpeer::post(this, DLGIgnoreESCMsg, ignore);
}

VRIX::VXRect<int> QtDialog::getClientGeometry()
{
    return vxpeer::ask<VRIX::VXRect<int>>(this, GetClientGeometryMsg);
}

VRIX::VXRect<int> QtDialog::getGeometry()
{
    return vxpeer::ask<VRIX::VXRect<int>>(this, GetGeometryMsg);
}

void QtDialog::setClientGeometry(int x, int y, int width, int height)
{
    vxpeer::post(this, SetClientGeometryMsg, vxpeer::Rect { x, y, width, height });
}

void QtDialog::setGeometry(int x, int y, int width, int height)
{
    vxpeer::post(this, SetGeometryMsg, vxpeer::Rect { x, y, width, height });
}

void QtDialog::showMinimized()
{
    vxpeer::post(this, ShowMinimizedMsg);
}

void QtDialog::showMaximized()
{
    vxpeer::post(this, ShowMaximizedMsg);
}

void QtDialog::showNormal()
{
    vxpeer::post(this, ShowNormalMsg);
}
