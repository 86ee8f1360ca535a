#include "messaging/QtHBoxLayout.h"

#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtHBoxLayout::QtHBoxLayout() = default;

QtHBoxLayout::QtHBoxLayout(VXWidget* parent)
    : VXHBoxLayout(parent)
{
}

QtHBoxLayout::~QtHBoxLayout()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtHBoxLayout::addLayout(VXWidget* layout, int stretch)
{
    QtContainerPeer::postHandleInts(this, LAYHBoxAddLayoutMsg, layout, stretch);
}

void QtHBoxLayout::addWidget(VXWidget* widget, int stretch)
{
    QtContainerPeer::postHandleInts(this, LAYHBoxAddWidgetMsg, widget, stretch);
}

void QtHBoxLayout::removeWidget(VXWidget* widget)
{
    QtContainerPeer::postHandle(this, LAYRemoveWidgetMsg, widget);
}

void QtHBoxLayout::addSpacerWidget(int width, int height)
{
    QtContainerPeer::postInts(this, LAYHBoxAddSpacerWidgetMsg, width, height);
}
