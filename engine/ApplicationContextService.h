#pragma once

#include "vrix/services/ApplicationContext.h"

namespace VRIX_MI {

/// The "ApplicationContext" service: every operation asks the host. Any thread.
class ApplicationContextService : public VXServices::ApplicationContext {
public:
    ApplicationContextService() = default;

    void registerFeature(const char* name, int value, void (*callback)(int)) override;
    bool isFeatureEnabled(const char* name) override;
    const char* getPreferencesDirectory(bool create) override;
    const char* getRelease() override;
    const char* getRoot() override;
    const char* getBinArchDir() override;
    const char* getCharacterEncoding() override;
};

} // namespace VRIX_MI
