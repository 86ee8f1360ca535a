#include "messaging/QtHBoxLayout.h"

#include "messaging/PeerCall.h"

QtHBoxLayout::QtHBoxLayout() = default;

QtHBoxLayout::QtHBoxLayout(VXWidget* parent)
    : QtPeer<VXHBoxLayout>(parent)
{
}

void QtHBoxLayout::addLayout(VXWidget* layout, int stretch)
{
    vxpeer::post(this, LAYHBoxAddLayoutMsg, vxpeer::HandleInts { layout, stretch });
}

void QtHBoxLayout::addWidget(VXWidget* widget, int stretch)
{
    vxpeer::post(this, LAYHBoxAddWidgetMsg, vxpeer::HandleInts { widget, stretch });
}

void QtHBoxLayout::removeWidget(VXWidget* widget)
{
    vxpeer::post(this, LAYRemoveWidgetMsg, vxpeer::Handle { widget });
}

void QtHBoxLayout::addSpacerWidget(int width, int height)
{
    vxpeer::post(this, LAYHBoxAddSpacerWidgetMsg, vxpeer::Ints { width, height });
}
