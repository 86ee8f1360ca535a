#include "engine/VRIXServices.h"

#include "engine/ApplicationContextService.h"
#include "engine/TranslationService.h"
#include "vrix/services/ServiceRegistry.h"

#include <mutex>

namespace VRIX_MI {

namespace {
std::once_flag s_servicesInstalled;
}

void initializeVelmarVRIXServices()
{
    std::call_once(s_servicesInstalled, [] {
        VXServices::VXService<VXServices::Translation>::install(new TranslationService);
        VXServices::VXService<VXServices::ApplicationContext>::install(
            new ApplicationContextService);
    });
}

std::string installationPath(const char* relativePath)
{
    std::string path;
    if (auto* context = VXServices::VXService<VXServices::ApplicationContext>::get()) {
        if (const char* root = context->getRoot())
            path = root;
    }
    path += '/';
    if (relativePath)
        path += relativePath;
    return path;
}

} // namespace VRIX_MI
