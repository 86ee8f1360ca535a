#include "engine/modelexplorer/VXMENavigationAttributes.h"

#include "vrix/VXPreferences.h"

namespace {
const char kWholeRowSuffix[] = "_AllowWholeRowDblClick";
}

VXMENavigationAttributes::~VXMENavigationAttributes() = default;

void VXMENavigationAttributes::loadFromPreferences(
    const std::string& group, const std::string& prefix)
{
    allowWholeRowDblClick
        = VXPreferences::getBoolPref(group, prefix + kWholeRowSuffix, allowWholeRowDblClick);
}

void VXMENavigationAttributes::saveToPreferences(
    const std::string& group, const std::string& prefix)
{
    VXPreferences::setBoolPref(group, prefix + kWholeRowSuffix, allowWholeRowDblClick);
}
