#include "engine/VXButton.h"

VXButton::VXButton(VXWidget* parent)
{
    setParent(parent);
}

VXButton::~VXButton()
{
    disconnect();
}
