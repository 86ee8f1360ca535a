#include "messaging/QtTab.h"

#include "messaging/QtWidgetPeer.h"

QtTab::QtTab(VXWidget* parent)
    : VXTab(parent)
{
}

QtTab::~QtTab()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtTab::setName(const char* name)
{
    QtWidgetPeer::postText(this, TABSetNameMsg, name);
}

void QtTab::setName(const std::u16string& name)
{
    QtWidgetPeer::postText(this, TABSetNameMsg, name);
}

std::u16string QtTab::getName()
{
    return QtWidgetPeer::sendForText(this, TABGetNameMsg);
}

void QtTab::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

bool QtTab::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtTab::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtTab::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtTab::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtTab::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
