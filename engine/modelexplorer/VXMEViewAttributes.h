#pragma once

#include "engine/modelexplorer/VXOptions.h"
#include "vxqtgui_export.h"

#include <cstdint>

/// The explorer's view options, as the host passes them in.
class VXQTGUI_EXPORT VXMEViewAttributes : public VXOptions {
public:
    VXMEViewAttributes() = default;
    ~VXMEViewAttributes() override;

    /// Reads every boolean with its current value as the default.
    void loadFromPreferences(const std::string& group, const std::string& prefix) override;
    void saveToPreferences(const std::string& group, const std::string& prefix) override;

    bool showDynamicDialogs = true;
    bool showCustomizePropsPane = false;
    bool stackListnTree = false;
    bool showPropertyDetails = true;
    bool markUnrelatedProperties = false;
    std::int32_t updateMode = 0;
};
