#include "host/HostObjectDataFactory.h"

#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/services/ServiceRegistry.h"

namespace VXHost {

VXMEObjectMessageData* HostObjectDataFactory::createMessageData(UDInterface* object)
{
    m_messageData.fetch_add(1);
    return new VXMEObjectMessageData(object);
}

VXMEObjectEventData* HostObjectDataFactory::createEventData(UDInterface* object)
{
    m_eventData.fetch_add(1);
    return new VXMEObjectEventData(object);
}

HostObjectDataFactory* installObjectDataFactory()
{
    using Service = VXServices::VXService<VXServices::VXMEObjectDataFactory>;
    if (VXServices::VXMEObjectDataFactory* installed = Service::get())
        return dynamic_cast<HostObjectDataFactory*>(installed);
    auto* factory = new HostObjectDataFactory;
    Service::install(factory);
    return factory;
}

} // namespace VXHost
