#include "engine/VXHyperLink.h"

VXHyperLink::VXHyperLink(VXWidget* parent)
{
    setParent(parent);
}

VXHyperLink::~VXHyperLink()
{
    disconnect();
}
