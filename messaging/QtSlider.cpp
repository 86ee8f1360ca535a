#include "messaging/QtSlider.h"

#include "messaging/PeerCall.h"

QtSlider::QtSlider(VXWidget* parent)
    : QtPeer<VXSlider>(parent)
{
}

void QtSlider::setMinValue(int value)
{
    vxpeer::post(this, SliderSetMinMsg, value);
}

void QtSlider::setMaxValue(int value)
{
    vxpeer::post(this, SliderSetMaxMsg, value);
}

void QtSlider::setValue(int value)
{
    vxpeer::post(this, SliderSetValueMsg, value);
}

void QtSlider::setTickInterval(int interval)
{
    vxpeer::post(this, SliderSetTickIntervalMsg, interval);
}

int QtSlider::value()
{
    return vxpeer::ask<int>(this, SliderGetValueMsg);
}
