#include "engine/VXImage.h"

VXImage::VXImage(VXWidget* parent)
{
    setParent(parent);
}

VXImage::~VXImage()
{
    disconnect();
}
