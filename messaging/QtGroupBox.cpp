#include "messaging/QtGroupBox.h"

#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtGroupBox::QtGroupBox(VXWidget* parent)
    : VXGroupBox(parent)
{
}

QtGroupBox::~QtGroupBox()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtGroupBox::setTitle(const char* title)
{
    QtWidgetPeer::postText(this, GRPSetTitleMsg, title);
}

void QtGroupBox::setTitle(const std::u16string& title)
{
    QtWidgetPeer::postText(this, GRPSetTitleMsg, title);
}

std::string QtGroupBox::getTitle()
{
    return QtContainerPeer::sendForLocal8Bit(this, GRPGetTitleMsg);
}

void QtGroupBox::setFlat(bool flat)
{
    QtWidgetPeer::postBool(this, GRPSetFlatMsg, flat);
}

void QtGroupBox::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtGroupBox::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

bool QtGroupBox::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtGroupBox::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtGroupBox::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtGroupBox::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
