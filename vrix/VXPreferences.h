#pragma once

#include <string>

namespace VRIX {
class PreferenceStore;
}

/// The process-wide boolean preference store as the toolkit's option records use it. Any
/// thread. In memory only until `store().setDirectory(...)` names where to keep it.
class VXPreferences {
public:
    VXPreferences() = delete;

    static bool getBoolPref(const std::string& group, const std::string& key, bool defaultValue);
    static void setBoolPref(const std::string& group, const std::string& key, bool value);

    static VRIX::PreferenceStore& store();
};
