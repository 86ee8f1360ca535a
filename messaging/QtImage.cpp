#include "messaging/QtImage.h"

#include "messaging/QtWidgetPeer.h"

QtImage::QtImage(VXWidget* parent)
    : VXImage(parent)
{
}

QtImage::~QtImage()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtImage::setFilePath(const char* path)
{
    QtWidgetPeer::postText(this, IMGSetFilePathMsg, path);
}

void QtImage::imClick()
{
    QtWidgetPeer::post(this, IMGClickMsg);
}

void QtImage::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtImage::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtImage::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtImage::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtImage::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtImage::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtImage::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtImage::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

bool QtImage::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtImage::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}
