#pragma once

#include "vrix/services/Service.h"

namespace VXServices {

/// What the host tells the toolkit about its installation and switches ("ApplicationContext").
class ApplicationContext : public Service {
public:
    static const char* serviceName() { return "ApplicationContext"; }

    virtual void registerFeature(const char* name, int value, void (*callback)(int)) = 0;
    virtual bool isFeatureEnabled(const char* name) = 0;
    virtual const char* getPreferencesDirectory(bool create) = 0;
    virtual const char* getRelease() = 0;
    virtual const char* getRoot() = 0;
    virtual const char* getBinArchDir() = 0;
    virtual const char* getCharacterEncoding() = 0;
};

} // namespace VXServices
