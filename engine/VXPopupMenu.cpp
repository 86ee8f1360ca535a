#include "engine/VXPopupMenu.h"

VXPopupMenu::VXPopupMenu(VXWidget* parent)
{
    setParent(parent);
}

VXPopupMenu::~VXPopupMenu()
{
    // Before the emitters go, so nothing queued for this object can still run.
    disconnect();
}
