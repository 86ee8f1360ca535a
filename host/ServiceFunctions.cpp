// The sv… host functions: installation, switches and user events.
#include "host/ExportedHostFunctions.h"

#include "host/FeatureRegistry.h"
#include "host/HostSettings.h"
#include "host/UserEvents.h"

using VXHost::HostSettings;

const char* svVelmarRoot()
{
    return HostSettings::instance().root();
}

const char* svVelmarRelease()
{
    return HostSettings::instance().release();
}

const char* svGetBinArchDir()
{
    return HostSettings::instance().binArchDir();
}

const char* svGetPreferencesDirectory(bool create)
{
    return HostSettings::instance().preferencesDirectory(create);
}

const char* svGetDefaultCharacterSet()
{
    return HostSettings::instance().characterSet();
}

void svRegisterFeature(const char* name, int value, void (*callback)(int), void* /*reserved*/)
{
    VXHost::FeatureRegistry::instance().registerFeature(name, value, callback);
}

int svIsFeatureEnabled(const char* name)
{
    return VXHost::FeatureRegistry::instance().isEnabled(name) ? 1 : 0;
}

int svIsStandaloneMode()
{
    return HostSettings::instance().standaloneMode() ? 1 : 0;
}

int svIsDisplayAvailable()
{
    return HostSettings::instance().displayAvailable() ? 1 : 0;
}

std::int32_t svWS_CreateUserEvent(svUserEventCallback callback)
{
    return VXHost::UserEvents::instance().create(callback);
}

void svWS_PostUserEvent(std::int32_t handle, void* record)
{
    VXHost::UserEvents::instance().post(handle, record);
}

int zpIsAbsolutePath(const char* path)
{
    return path && path[0] == '/' ? 1 : 0;
}
