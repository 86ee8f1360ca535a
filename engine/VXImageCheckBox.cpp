#include "engine/VXImageCheckBox.h"

VXImageCheckBox::VXImageCheckBox(VXWidget* parent)
{
    setParent(parent);
}

VXImageCheckBox::~VXImageCheckBox()
{
    disconnect();
}
