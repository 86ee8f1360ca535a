#include "engine/VXWebBrowser.h"

VXWebBrowser::VXWebBrowser(VXWidget* parent)
{
    setParent(parent);
}

VXWebBrowser::~VXWebBrowser()
{
    disconnect();
}
