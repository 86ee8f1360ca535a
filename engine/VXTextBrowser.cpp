#include "engine/VXTextBrowser.h"

VXTextBrowser::VXTextBrowser(VXWidget* parent)
{
    setParent(parent);
}

VXTextBrowser::~VXTextBrowser()
{
    disconnect();
}
