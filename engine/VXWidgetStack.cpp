#include "engine/VXWidgetStack.h"

VXWidgetStack::VXWidgetStack(VXWidget* parent)
{
    setParent(parent);
}

VXWidgetStack::~VXWidgetStack()
{
    disconnect();
}
