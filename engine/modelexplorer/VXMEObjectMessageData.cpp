#include "engine/modelexplorer/VXMEObjectMessageData.h"

#include "engine/modelexplorer/VXMEObjectExtension.h"
#include "vrix/VXUStringList.h"

VXMEObjectMessageData::VXMEObjectMessageData(UDInterface* object)
    : VXMEObjectData(object)
{
}

VXMEObjectMessageData::~VXMEObjectMessageData()
{
    destroyList(children);
    delete listValues;
    delete treeValues;
    delete listAttributes;
    delete treeAttributes;
    delete extension;
}

void VXMEObjectMessageData::addChild(VXMEObjectMessageData* child)
{
    if (!child)
        return;
    if (!children)
        children = new VXMEObjectDataList;
    children->push_back(child);
}
