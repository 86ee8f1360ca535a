#include "engine/VXTab.h"

VXTab::VXTab(VXWidget* parent)
{
    setParent(parent);
}

VXTab::~VXTab()
{
    disconnect();
}
