// Link-only definitions of the VXWidget operations that go through the bridge, compiled into
// this binary only while engine/VXWidgetMessages.cpp does not define them yet (see
// CMakeLists.txt). They exist to complete VXWidget's vtable; no test calls them.
#include "engine/VXWidget.h"

void VXWidget::notifyListeners(const VXEvent*) { }

bool VXWidget::isWidgetHighlighted()
{
    return false;
}

void VXWidget::p_setWidgethighlight(bool, int, int, int, int) { }
