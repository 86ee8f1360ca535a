#include "engine/VXObjectManager.h"

#include "engine/VXObject.h"

VXObject* VXObjectManager::find(std::uint32_t id) const
{
    std::shared_lock<std::shared_mutex> guard(m_lock);
    auto it = m_objects.by<ObjectUID>().find(id);
    return it == m_objects.by<ObjectUID>().end() ? nullptr : it->get<Object>();
}

bool VXObjectManager::isObjectValid(const VXObject* object) const
{
    if (!object)
        return false;
    std::shared_lock<std::shared_mutex> guard(m_lock);
    auto it = m_objects.by<Object>().find(const_cast<VXObject*>(object));
    return it != m_objects.by<Object>().end() && it->get<ObjectUID>() != 0;
}

std::uint32_t VXObjectManager::findUID(const VXObject* object) const
{
    if (!object)
        return 0;
    std::shared_lock<std::shared_mutex> guard(m_lock);
    auto it = m_objects.by<Object>().find(const_cast<VXObject*>(object));
    return it != m_objects.by<Object>().end() ? it->get<ObjectUID>() : 0;
}

bool VXObjectManager::isObjectValid(std::uint32_t id) const
{
    return find(id) != nullptr;
}

bool VXObjectManager::isObjectValid(const VXObject* object, std::uint32_t id) const
{
    return object && find(id) == object;
}

void VXObjectManager::getAllValidObjects(std::vector<VXObject*>& objects) const
{
    objects.clear();
    std::shared_lock<std::shared_mutex> guard(m_lock);
    objects.reserve(m_objects.size());
    for (const auto& entry : m_objects.by<ObjectUID>())
        objects.push_back(entry.get<Object>());
}

bool VXObjectManager::addToListOfObjects(VXObject* object)
{
    if (!object)
        return false;
    const std::uint32_t id = object->getUID();
    std::lock_guard<std::shared_mutex> guard(m_lock);
    return m_objects.insert(ObjectList::value_type(id, object)).second;
}

void VXObjectManager::removeFromListOfObjects(VXObject* object)
{
    std::lock_guard<std::shared_mutex> guard(m_lock);
    m_objects.by<Object>().erase(object);
}

void VXObjectManager::addToChildrenMap(std::uint32_t child, std::uint32_t parent)
{
    auto& byChild = m_children.by<ChildUID>();
    auto it = byChild.find(child);
    if (it != byChild.end()) {
        if (it->get<ParentUID>() == parent)
            return;
        byChild.erase(it);
    }
    m_children.insert(ChildrenMap::value_type(child, parent));
}

std::uint32_t VXObjectManager::getParentUID(std::uint32_t child) const
{
    const auto& byChild = m_children.by<ChildUID>();
    auto it = byChild.find(child);
    return it == byChild.end() ? 0 : it->get<ParentUID>();
}

bool VXObjectManager::isValidParent(std::uint32_t parent, std::uint32_t child) const
{
    return getParentUID(child) == parent;
}

boost::unordered_set<std::uint32_t> VXObjectManager::getChildrenUIDs(std::uint32_t parent) const
{
    boost::unordered_set<std::uint32_t> children;
    auto range = m_children.by<ParentUID>().equal_range(parent);
    for (auto it = range.first; it != range.second; ++it)
        children.insert(it->get<ChildUID>());
    return children;
}

void VXObjectManager::removeFromChildrenMap(std::uint32_t child)
{
    m_children.by<ChildUID>().erase(child);
}
