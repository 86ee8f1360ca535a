#include "engine/VXText.h"

VXText::VXText(VXWidget* parent)
{
    setParent(parent);
}

VXText::~VXText()
{
    disconnect();
}
