#include "engine/modelexplorer/VXMEObjectEventData.h"

#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"

VXMEObjectEventData::VXMEObjectEventData(UDInterface* object)
    : VXMEObjectData(object)
{
}

VXMEObjectEventData::~VXMEObjectEventData()
{
    delete parent;
    cleanupPropertyValues();
}

void VXMEObjectEventData::addPropertyName(const char* name)
{
    if (!name)
        return;
    if (!propertyNames)
        propertyNames = new VXStringList;
    propertyNames->addElement(name);
}

void VXMEObjectEventData::addPropertyValue(const std::u16string& value)
{
    if (!propertyValues)
        propertyValues = new VXUStringList;
    propertyValues->addElement(value);
}

void VXMEObjectEventData::addPropertyValuePair(const char* name, const std::u16string& value)
{
    if (!name)
        return;
    addPropertyName(name);
    addPropertyValue(value);
}

void VXMEObjectEventData::cleanupPropertyValues()
{
    delete propertyNames;
    propertyNames = nullptr;
    delete propertyValues;
    propertyValues = nullptr;
}
