#include "engine/VXScrollView.h"

VXScrollView::VXScrollView(VXWidget* parent)
{
    setParent(parent);
}

VXScrollView::~VXScrollView()
{
    disconnect();
}
