#pragma once

#include "examples/vxdemo/KindTable.h"

/// Actions, popup menus, the tool bar and the combo box. Properties that take another object
/// name it; `lookup` finds it.
class MenuKinds {
public:
    using Lookup = KindTable::Lookup;
    static void addTo(KindTable& table, const Lookup& lookup);
};
