#pragma once

#include "vxqtgui_export.h"

#include <string>

/// The words in which a tree node's check state travels to and from the host.
namespace VXMECheckState {

extern VXQTGUI_EXPORT const char Checked[]; // "CHECKED"
extern VXQTGUI_EXPORT const char Unchecked[]; // "UNCHECKED"
extern VXQTGUI_EXPORT const char Partial[]; // "PARTIAL"
extern VXQTGUI_EXPORT const char NoCheckBox[]; // "NOCHECKBOX"
extern VXQTGUI_EXPORT const char DisabledSuffix[]; // "_DISABLE"

/// The word for a check state 0 (unchecked), 1 (partial) or 2 (checked); any other state is a
/// node without a check box. `disabled` appends the suffix.
VXQTGUI_EXPORT std::string word(int state, bool disabled);

} // namespace VXMECheckState
