#include "engine/VXWindow.h"

VXWindow::VXWindow() = default;

VXWindow::~VXWindow()
{
    disconnect();
}
