#include "engine/VXVBoxLayout.h"

VXVBoxLayout::VXVBoxLayout() = default;

VXVBoxLayout::VXVBoxLayout(VXWidget* parent)
{
    setParent(parent);
}

VXVBoxLayout::~VXVBoxLayout()
{
    disconnect();
}
