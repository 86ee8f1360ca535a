#include "engine/VXTogglePanel.h"

VXTogglePanel::VXTogglePanel(VXWidget* parent)
{
    setParent(parent);
}

VXTogglePanel::~VXTogglePanel()
{
    disconnect();
}
