#pragma once

#include "vrix/VXStringList.h"
#include "vxqtgui_export.h"

/// How the list edits one property in place, as the host describes it: a line edit, a combo
/// box of choices (editable or not), or no editor, and an optional action that opens the host's
/// own editor. Made by the host; the list's cell delegate owns it once handed over.
class VXQTGUI_EXPORT VXMEEditTypeData {
public:
    VXMEEditTypeData() = default;
    VXMEEditTypeData(const VXMEEditTypeData&) = delete;
    VXMEEditTypeData& operator=(const VXMEEditTypeData&) = delete;
    virtual ~VXMEEditTypeData();

    /// Without choices: whether a line edit is offered (else the cell gets no editor).
    bool allowText = false;
    /// Values offered in a combo box, in order; empty for a line edit.
    VXStringList choices;
    /// Whether the combo box accepts typed text.
    bool editable = false;
    /// Object id of an action proxy placed inside the line edit; 0 for none.
    unsigned externalEditor = 0;
};
