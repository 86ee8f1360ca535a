#include "engine/ApplicationContextService.h"

#include "engine/HostFunctions.h"

namespace VRIX_MI {

void ApplicationContextService::registerFeature(const char* name, int value, void (*callback)(int))
{
    svRegisterFeature(name, value, callback, nullptr);
}

bool ApplicationContextService::isFeatureEnabled(const char* name)
{
    return svIsFeatureEnabled(name) != 0;
}

const char* ApplicationContextService::getPreferencesDirectory(bool create)
{
    return svGetPreferencesDirectory(create);
}

const char* ApplicationContextService::getRelease()
{
    return svVelmarRelease();
}

const char* ApplicationContextService::getRoot()
{
    return svVelmarRoot();
}

const char* ApplicationContextService::getBinArchDir()
{
    return svGetBinArchDir();
}

const char* ApplicationContextService::getCharacterEncoding()
{
    return svGetDefaultCharacterSet();
}

} // namespace VRIX_MI
