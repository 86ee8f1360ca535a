#include "engine/VXSearchBar.h"

VXSearchBar::VXSearchBar(VXWidget* parent)
{
    setParent(parent);
}

VXSearchBar::~VXSearchBar()
{
    disconnect();
}
