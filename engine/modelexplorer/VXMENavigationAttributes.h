#pragma once

#include "engine/modelexplorer/VXOptions.h"
#include "vxqtgui_export.h"

/// The explorer's navigation options, as the host passes them in.
class VXQTGUI_EXPORT VXMENavigationAttributes : public VXOptions {
public:
    VXMENavigationAttributes() = default;
    ~VXMENavigationAttributes() override;

    void loadFromPreferences(const std::string& group, const std::string& prefix) override;
    void saveToPreferences(const std::string& group, const std::string& prefix) override;

    bool allowWholeRowDblClick = false;
};
