#include "engine/VXComboBox.h"

VXComboBox::VXComboBox(VXWidget* parent)
{
    setParent(parent);
}

VXComboBox::~VXComboBox()
{
    disconnect();
}
