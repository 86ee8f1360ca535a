#include "engine/modelexplorer/VXMECheckState.h"

namespace VXMECheckState {

const char Checked[] = "CHECKED";
const char Unchecked[] = "UNCHECKED";
const char Partial[] = "PARTIAL";
const char NoCheckBox[] = "NOCHECKBOX";
const char DisabledSuffix[] = "_DISABLE";

std::string word(int state, bool disabled)
{
    std::string result = state == 0 ? Unchecked
        : state == 1                ? Partial
        : state == 2                ? Checked
                                    : NoCheckBox;
    if (disabled)
        result += DisabledSuffix;
    return result;
}

} // namespace VXMECheckState
