#include "engine/modelexplorer/VXSearchOptions.h"

#include "vrix/VXPreferences.h"

namespace {
struct BoolOption {
    const char* suffix;
    bool VXSearchOptions::*field;
};

// Read and written in this order.
const BoolOption kOptions[] = {
    { "_DeepSearch", &VXSearchOptions::deepSearch },
    { "_SearchMasks", &VXSearchOptions::searchMasks },
    { "_SearchLinks", &VXSearchOptions::searchLinks },
    { "_MatchWholeString", &VXSearchOptions::matchWholeString },
    { "_MatchCase", &VXSearchOptions::matchCase },
    { "_RegularExpression", &VXSearchOptions::regularExpression },
    { "_EvaluateProperties", &VXSearchOptions::evaluateProperties },
    { "_RefineAnd", &VXSearchOptions::refineAnd },
};
} // namespace

VXSearchOptions::~VXSearchOptions() = default;

void VXSearchOptions::loadFromPreferences(const std::string& group, const std::string& prefix)
{
    for (const BoolOption& option : kOptions)
        this->*option.field
            = VXPreferences::getBoolPref(group, prefix + option.suffix, this->*option.field);
}

void VXSearchOptions::saveToPreferences(const std::string& group, const std::string& prefix)
{
    for (const BoolOption& option : kOptions)
        VXPreferences::setBoolPref(group, prefix + option.suffix, this->*option.field);
}
