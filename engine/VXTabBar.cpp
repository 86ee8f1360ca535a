#include "engine/VXTabBar.h"

VXTabBar::VXTabBar(VXWidget* parent)
{
    setParent(parent);
}

VXTabBar::~VXTabBar()
{
    disconnect();
}
