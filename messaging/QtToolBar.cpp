#include "messaging/QtToolBar.h"

#include "engine/VXObject.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtWidgetPeer.h"

QtToolBar::QtToolBar(VXWidget* parent)
    : VXToolBar(parent)
{
}

QtToolBar::~QtToolBar()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtToolBar::addAction(VXAction* action)
{
    QtBridge::post(new QtHandleMessage(this, TOOLAddActionMsg, static_cast<void*>(action)));
}

void QtToolBar::addWidget(VXObject* widget)
{
    // Id 0 is never registered, so a null object adds nothing.
    const auto id = widget ? static_cast<int>(widget->getUID()) : 0;
    QtWidgetPeer::postInt(this, TOOLAddWidgetMsg, id);
}

void QtToolBar::addSeparator()
{
    QtWidgetPeer::post(this, TOOLAddSeparatorMsg);
}

void QtToolBar::setLabel(const std::u16string& label)
{
    QtWidgetPeer::postText(this, TOOLSetLabelMsg, label);
}

void QtToolBar::setButtonStyle(const char* style)
{
    QtWidgetPeer::postText(this, TOOLSetButtonStyleMsg, style);
}

void QtToolBar::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtToolBar::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
