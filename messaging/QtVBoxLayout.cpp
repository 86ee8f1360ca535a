#include "messaging/QtVBoxLayout.h"

#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtVBoxLayout::QtVBoxLayout() = default;

QtVBoxLayout::QtVBoxLayout(VXWidget* parent)
    : VXVBoxLayout(parent)
{
}

QtVBoxLayout::~QtVBoxLayout()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtVBoxLayout::addLayout(VXWidget* layout, int stretch)
{
    QtContainerPeer::postHandleInts(this, LAYVBoxAddLayoutMsg, layout, stretch);
}

void QtVBoxLayout::addWidget(VXObject* widget, int stretch)
{
    QtContainerPeer::postHandleInts(this, LAYVBoxAddWidgetMsg, widget, stretch);
}

void QtVBoxLayout::removeWidget(VXWidget* widget)
{
    QtContainerPeer::postHandle(this, LAYRemoveWidgetMsg, widget);
}
