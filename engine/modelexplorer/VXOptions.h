#pragma once

#include "vxqtgui_export.h"

#include <string>

/// A record of options kept in the boolean preference store under a caller's group and prefix.
class VXQTGUI_EXPORT VXOptions {
public:
    VXOptions() = default;
    virtual ~VXOptions();

    virtual void loadFromPreferences(const std::string& group, const std::string& prefix) = 0;
    virtual void saveToPreferences(const std::string& group, const std::string& prefix) = 0;
};
