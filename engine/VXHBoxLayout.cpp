#include "engine/VXHBoxLayout.h"

VXHBoxLayout::VXHBoxLayout() = default;

VXHBoxLayout::VXHBoxLayout(VXWidget* parent)
{
    setParent(parent);
}

VXHBoxLayout::~VXHBoxLayout()
{
    disconnect();
}
