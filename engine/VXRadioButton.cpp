#include "engine/VXRadioButton.h"

VXRadioButton::VXRadioButton(VXWidget* parent)
{
    setParent(parent);
}

VXRadioButton::~VXRadioButton()
{
    disconnect();
}
