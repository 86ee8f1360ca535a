#include "engine/VXSplitter.h"

VXSplitter::VXSplitter(VXWidget* parent)
{
    setParent(parent);
}

VXSplitter::~VXSplitter()
{
    disconnect();
}
