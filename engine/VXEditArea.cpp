#include "engine/VXEditArea.h"

VXEditArea::VXEditArea(VXWidget* parent)
{
    setParent(parent);
}

VXEditArea::~VXEditArea()
{
    disconnect();
}
