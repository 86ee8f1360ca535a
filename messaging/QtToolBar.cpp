#include "messaging/QtToolBar.h"

#include "engine/VXObject.h"
#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"

QtToolBar::QtToolBar(VXWidget* parent)
    : QtPeer<VXToolBar>(parent)
{
}

void QtToolBar::addAction(VXAction* action)
{
    vxpeer::post(new QtHandleMessage(this, TOOLAddActionMsg, static_cast<void*>(action)));
}

void QtToolBar::addWidget(VXObject* widget)
{
    // Id 0 is never registered, so a null object adds nothing.
    const auto id = widget ? static_cast<int>(widget->getUID()) : 0;
    vxpeer::post(this, TOOLAddWidgetMsg, id);
}

void QtToolBar::addSeparator()
{
    vxpeer::post(this, TOOLAddSeparatorMsg);
}

void QtToolBar::setLabel(const std::u16string& label)
{
    vxpeer::post(this, TOOLSetLabelMsg, label);
}

void QtToolBar::setButtonStyle(const char* style)
{
    vxpeer::post(this, TOOLSetButtonStyleMsg, style);
}
