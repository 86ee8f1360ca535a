#include "engine/VXCheckBox.h"

VXCheckBox::VXCheckBox(VXWidget* parent)
{
    setParent(parent);
}

VXCheckBox::~VXCheckBox()
{
    disconnect();
}
