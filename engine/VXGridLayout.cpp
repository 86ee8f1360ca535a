#include "engine/VXGridLayout.h"

VXGridLayout::VXGridLayout() = default;

VXGridLayout::VXGridLayout(VXWidget* parent)
{
    setParent(parent);
}

VXGridLayout::~VXGridLayout()
{
    disconnect();
}
