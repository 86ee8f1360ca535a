#include "examples/vxdemo/explorer/DemoRecordFactory.h"

#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/services/ServiceRegistry.h"

VXMEObjectMessageData* DemoRecordFactory::createMessageData(UDInterface* object)
{
    m_made.fetch_add(1);
    return new VXMEObjectMessageData(object);
}

VXMEObjectEventData* DemoRecordFactory::createEventData(UDInterface* object)
{
    m_made.fetch_add(1);
    return new VXMEObjectEventData(object);
}

DemoRecordFactory* DemoRecordFactory::install()
{
    using Service = VXServices::VXService<VXServices::VXMEObjectDataFactory>;
    if (auto* installed = dynamic_cast<DemoRecordFactory*>(Service::get()))
        return installed;
    auto* factory = new DemoRecordFactory;
    Service::install(factory);
    return factory;
}
