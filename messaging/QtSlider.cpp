#include "messaging/QtSlider.h"

#include "messaging/QtWidgetPeer.h"

QtSlider::QtSlider(VXWidget* parent)
    : VXSlider(parent)
{
}

QtSlider::~QtSlider()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtSlider::setMinValue(int value)
{
    QtWidgetPeer::postInt(this, SliderSetMinMsg, value);
}

void QtSlider::setMaxValue(int value)
{
    QtWidgetPeer::postInt(this, SliderSetMaxMsg, value);
}

void QtSlider::setValue(int value)
{
    QtWidgetPeer::postInt(this, SliderSetValueMsg, value);
}

void QtSlider::setTickInterval(int interval)
{
    QtWidgetPeer::postInt(this, SliderSetTickIntervalMsg, interval);
}

int QtSlider::value()
{
    return QtWidgetPeer::sendForResult(this, SliderGetValueMsg);
}

void QtSlider::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtSlider::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}
