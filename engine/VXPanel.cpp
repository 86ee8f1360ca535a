#include "engine/VXPanel.h"

VXPanel::VXPanel() = default;

VXPanel::VXPanel(VXWidget* parent)
{
    setParent(parent);
}

VXPanel::~VXPanel()
{
    disconnect();
}
