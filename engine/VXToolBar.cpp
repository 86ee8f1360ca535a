#include "engine/VXToolBar.h"

VXToolBar::VXToolBar(VXWidget* parent)
{
    setParent(parent);
}

VXToolBar::~VXToolBar()
{
    disconnect();
}
