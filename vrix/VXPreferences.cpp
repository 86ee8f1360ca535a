#include "vrix/VXPreferences.h"

#include "vrix/PreferenceStore.h"

bool VXPreferences::getBoolPref(const std::string& group, const std::string& key, bool defaultValue)
{
    return store().getBool(group, key, defaultValue);
}

void VXPreferences::setBoolPref(const std::string& group, const std::string& key, bool value)
{
    // A failed write leaves the value in memory; the option records have no way to report it.
    store().setBool(group, key, value);
}

VRIX::PreferenceStore& VXPreferences::store()
{
    static VRIX::PreferenceStore* instance = new VRIX::PreferenceStore; // usable during teardown
    return *instance;
}
