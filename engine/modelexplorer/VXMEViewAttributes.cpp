#include "engine/modelexplorer/VXMEViewAttributes.h"

#include "vrix/VXPreferences.h"

namespace {
struct BoolOption {
    const char* suffix;
    bool VXMEViewAttributes::*field;
};

// Read and written in this order.
const BoolOption kOptions[] = {
    { "_ShowDynamicDialogs", &VXMEViewAttributes::showDynamicDialogs },
    { "_ShowCustomizePropsPane", &VXMEViewAttributes::showCustomizePropsPane },
    { "_StackListnTree", &VXMEViewAttributes::stackListnTree },
    { "_ShowPropertyDetails", &VXMEViewAttributes::showPropertyDetails },
    { "_MarkUnrelatedProperties", &VXMEViewAttributes::markUnrelatedProperties },
};
} // namespace

VXMEViewAttributes::~VXMEViewAttributes() = default;

void VXMEViewAttributes::loadFromPreferences(const std::string& group, const std::string& prefix)
{
    for (const BoolOption& option : kOptions)
        this->*option.field
            = VXPreferences::getBoolPref(group, prefix + option.suffix, this->*option.field);
}

void VXMEViewAttributes::saveToPreferences(const std::string& group, const std::string& prefix)
{
    for (const BoolOption& option : kOptions)
        VXPreferences::setBoolPref(group, prefix + option.suffix, this->*option.field);
}
