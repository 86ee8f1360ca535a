#include "messaging/QtVBoxLayout.h"

#include "messaging/PeerCall.h"

QtVBoxLayout::QtVBoxLayout() = default;

QtVBoxLayout::QtVBoxLayout(VXWidget* parent)
    : QtPeer<VXVBoxLayout>(parent)
{
}

void QtVBoxLayout::addLayout(VXWidget* layout, int stretch)
{
    vxpeer::post(this, LAYVBoxAddLayoutMsg, vxpeer::HandleInts { layout, stretch });
}

void QtVBoxLayout::addWidget(VXObject* widget, int stretch)
{
    vxpeer::post(this, LAYVBoxAddWidgetMsg, vxpeer::HandleInts { widget, stretch });
}

void QtVBoxLayout::removeWidget(VXWidget* widget)
{
    vxpeer::post(this, LAYRemoveWidgetMsg, vxpeer::Handle { widget });
}
