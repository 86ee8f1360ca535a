#include "engine/VXSlider.h"

VXSlider::VXSlider(VXWidget* parent)
{
    setParent(parent);
}

VXSlider::~VXSlider()
{
    disconnect();
}
