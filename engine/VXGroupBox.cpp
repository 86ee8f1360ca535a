#include "engine/VXGroupBox.h"

VXGroupBox::VXGroupBox(VXWidget* parent)
{
    setParent(parent);
}

VXGroupBox::~VXGroupBox()
{
    disconnect();
}
