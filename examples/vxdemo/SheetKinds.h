#pragma once

#include "examples/vxdemo/KindTable.h"

/// The spreadsheet over an explorer's object store: made from the explorer it shares the store
/// with (`lookup` finds it), driven as the user.
class SheetKinds {
public:
    using Lookup = KindTable::Lookup;
    static void addTo(KindTable& table, const Lookup& lookup);
};
