#include "messaging/QtButton.h"

#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtWidgetPeer.h"

QtButton::QtButton(VXWidget* parent)
    : VXButton(parent)
{
}

QtButton::~QtButton()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtButton::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtButton::setLabel(const char* label)
{
    QtWidgetPeer::postText(this, BTNSetLabelMsg, label);
}

void QtButton::setLabel(const std::u16string& label)
{
    QtWidgetPeer::postText(this, BTNSetLabelMsg, label);
}

void QtButton::setMenu(VXPopupMenu* menu)
{
    // The GUI side looks the handle up; a stale or foreign one just finds no menu.
    QtBridge::post(new QtHandleMessage(this, BTNSetMenuMsg, static_cast<void*>(menu)));
}

void QtButton::setIcon(const char* path)
{
    QtWidgetPeer::postText(this, BTNSetIconMsg, path);
}

void QtButton::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

bool QtButton::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

void QtButton::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtButton::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

bool QtButton::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtButton::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

std::u16string QtButton::imGetToolTip()
{
    return QtWidgetPeer::sendForText(this, GetToolTipMsg);
}

void QtButton::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtButton::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtButton::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtButton::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtButton::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtButton::click()
{
    QtWidgetPeer::post(this, BTNClickMsg);
}

void QtButton::setDefault(bool isDefault)
{
    QtWidgetPeer::postBool(this, BTNSetDefaultMsg, isDefault);
}

void QtButton::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

bool QtButton::isIconSet()
{
    return QtBridge::sendForInt(new QtMessage(this, BTNIsIconSetMsg), 0) != 0;
}

void QtButton::setFlat(bool flat)
{
    QtWidgetPeer::postBool(this, BTNSetFlatMsg, flat);
}
