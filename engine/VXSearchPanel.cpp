#include "engine/VXSearchPanel.h"

VXSearchPanel::VXSearchPanel(VXWidget* parent)
{
    setParent(parent);
}

VXSearchPanel::~VXSearchPanel()
{
    disconnect();
}
