#include "engine/VXGroupedRadioButton.h"

VXGroupedRadioButton::VXGroupedRadioButton(VXWidget* parent)
{
    setParent(parent);
}

VXGroupedRadioButton::~VXGroupedRadioButton()
{
    disconnect();
}
