#pragma once

#include "engine/modelexplorer/VXOptions.h"
#include "vxqtgui_export.h"

/// Which kinds of search the explorer's search runs with. Engine thread.
class VXQTGUI_EXPORT VXSearchOptions : public VXOptions {
public:
    VXSearchOptions() = default;
    ~VXSearchOptions() override;

    /// Reads every boolean with its current value as the default.
    void loadFromPreferences(const std::string& group, const std::string& prefix) override;
    void saveToPreferences(const std::string& group, const std::string& prefix) override;

    bool deepSearch = true;
    bool searchMasks = false;
    bool searchLinks = false;
    bool matchWholeString = false;
    bool matchCase = false;
    bool regularExpression = true;
    bool evaluateProperties = false;
    bool refineAnd = false;
};
