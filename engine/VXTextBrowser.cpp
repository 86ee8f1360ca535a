#include "engine/VXTextBrowser.h"

VXTextBrowser::VXTextBrowser(VXWidget* parent)
{
    setParent(parent);
}

VXTextBrowser::~VXTextBrowser()
{
    disconnect();
}

void VXTextBrowser::setToolBarVisible(bool visible)
{
    if (visible)
        showToolBar();
    else
        hideToolBar();
}
