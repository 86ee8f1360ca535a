#pragma once

#include "examples/vxdemo/KindTable.h"

/// Dialog, main window, panels, group and toggle boxes, scroll view, widget stack, splitter,
/// tabs and the three layouts. Properties that place a child name it; `lookup` finds it.
class ContainerKinds {
public:
    using Lookup = KindTable::Lookup;
    static void addTo(KindTable& table, const Lookup& lookup);
};
