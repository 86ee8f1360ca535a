#include "engine/VXObject.h"

#include "engine/VXObjectManager.h"

#include <algorithm>

std::atomic<std::uint32_t> VXObject::s_lastUID { 0 };
std::atomic<std::uint64_t> VXObject::s_destroyed { 0 };
VXObjectManager VXObject::m_ObjectManager;
std::multimap<std::string, VXObject*> VXObject::m_VXObjectMap;

VXObject::VXObject()
    : m_uid(++s_lastUID)
{
    addToListOfObjects(this);
}

VXObject::~VXObject()
{
    removeFromChildrenMap(m_uid);
    removeFromListOfObjects(this);
    s_destroyed.fetch_add(1, std::memory_order_relaxed);
    // Every entry goes, not only the first: renameTag and repeated setTag can leave several,
    // and a destroyed object must never come back from find(tag).
    removeAllFromVXObjectMap();
}

void VXObject::setTag(const std::string& tag)
{
    if (tag.empty())
        return;
    m_tag = tag;
    // A multimap inserts after the equal keys already present.
    m_VXObjectMap.insert(std::make_pair(tag, this));
}

void VXObject::renameTag(const std::string& oldTag, const std::string& newTag)
{
    if (oldTag == newTag)
        return;
    auto range = m_VXObjectMap.equal_range(oldTag);
    auto it = std::find_if(
        range.first, range.second, [this](const auto& entry) { return entry.second == this; });
    if (it != range.second)
        m_VXObjectMap.erase(it);
    m_VXObjectMap.insert(std::make_pair(newTag, this));
}

void VXObject::removeFromVXObjectMap()
{
    auto it = std::find_if(m_VXObjectMap.begin(), m_VXObjectMap.end(),
        [this](const auto& entry) { return entry.second == this; });
    if (it != m_VXObjectMap.end())
        m_VXObjectMap.erase(it);
}

void VXObject::removeAllFromVXObjectMap()
{
    for (auto it = m_VXObjectMap.begin(); it != m_VXObjectMap.end();) {
        if (it->second == this)
            it = m_VXObjectMap.erase(it);
        else
            ++it;
    }
}

std::vector<VXObject*> VXObject::find(const std::string& tag)
{
    std::vector<VXObject*> objects;
    auto range = m_VXObjectMap.equal_range(tag);
    for (auto it = range.first; it != range.second; ++it)
        objects.push_back(it->second);
    return objects;
}

VXObject* VXObject::find(std::uint32_t id)
{
    return m_ObjectManager.find(id);
}

bool VXObject::isObjectValid(const VXObject* object)
{
    return m_ObjectManager.isObjectValid(object);
}

std::uint32_t VXObject::findUID(const VXObject* object)
{
    return m_ObjectManager.findUID(object);
}

bool VXObject::isObjectValid(std::uint32_t id)
{
    return m_ObjectManager.isObjectValid(id);
}

bool VXObject::isObjectValid(const VXObject* object, std::uint32_t id)
{
    return m_ObjectManager.isObjectValid(object, id);
}

void VXObject::getAllValidObjects(std::vector<VXObject*>& objects)
{
    m_ObjectManager.getAllValidObjects(objects);
}

void VXObject::addToListOfObjects(VXObject* object)
{
    m_ObjectManager.addToListOfObjects(object);
}

void VXObject::removeFromListOfObjects(VXObject* object)
{
    m_ObjectManager.removeFromListOfObjects(object);
}

void VXObject::addToChildrenMap(std::uint32_t child, std::uint32_t parent)
{
    m_ObjectManager.addToChildrenMap(child, parent);
}

std::uint32_t VXObject::getParentUID(std::uint32_t child)
{
    return m_ObjectManager.getParentUID(child);
}

bool VXObject::isValidParent(std::uint32_t parent, std::uint32_t child)
{
    return m_ObjectManager.isValidParent(parent, child);
}

boost::unordered_set<std::uint32_t> VXObject::getChildrenUIDs(std::uint32_t parent)
{
    return m_ObjectManager.getChildrenUIDs(parent);
}

void VXObject::removeFromChildrenMap(std::uint32_t child)
{
    m_ObjectManager.removeFromChildrenMap(child);
}
