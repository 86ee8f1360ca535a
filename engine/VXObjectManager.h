#pragma once

#include <boost/bimap.hpp>
#include <boost/bimap/multiset_of.hpp>
#include <boost/bimap/set_of.hpp>
#include <boost/bimap/unordered_set_of.hpp>
#include <boost/unordered_set.hpp>

#include <cstdint>
#include <mutex>
#include <shared_mutex>
#include <vector>

class VXObject;

/// The process-wide list of live proxies (id <-> pointer, both unique) and the parent/child
/// relation between ids that the host records. The object list is shared with the GUI thread,
/// which tests pointers before use; the children map is used on the engine thread only.
class VXObjectManager {
public:
    struct ObjectUID { };
    struct Object { };
    struct ChildUID { };
    struct ParentUID { };

    using ObjectList = boost::bimap<
        boost::bimaps::unordered_set_of<boost::bimaps::tagged<std::uint32_t, ObjectUID>>,
        boost::bimaps::unordered_set_of<boost::bimaps::tagged<VXObject*, Object>>>;
    using ChildrenMap
        = boost::bimap<boost::bimaps::set_of<boost::bimaps::tagged<std::uint32_t, ChildUID>>,
            boost::bimaps::multiset_of<boost::bimaps::tagged<std::uint32_t, ParentUID>>>;

    VXObjectManager() = default;
    VXObjectManager(const VXObjectManager&) = delete;
    VXObjectManager& operator=(const VXObjectManager&) = delete;

    VXObject* find(std::uint32_t id) const;
    bool isObjectValid(const VXObject* object) const;
    /// The id `object` is registered under, or 0; never reads the object itself.
    std::uint32_t findUID(const VXObject* object) const;
    bool isObjectValid(std::uint32_t id) const;
    bool isObjectValid(const VXObject* object, std::uint32_t id) const;
    void getAllValidObjects(std::vector<VXObject*>& objects) const;

    /// False when the id is already taken (only after the id counter wrapped): the first
    /// object keeps it and the newcomer stays unknown.
    bool addToListOfObjects(VXObject* object);
    void removeFromListOfObjects(VXObject* object);

    void addToChildrenMap(std::uint32_t child, std::uint32_t parent);
    std::uint32_t getParentUID(std::uint32_t child) const;
    bool isValidParent(std::uint32_t parent, std::uint32_t child) const;
    boost::unordered_set<std::uint32_t> getChildrenUIDs(std::uint32_t parent) const;
    void removeFromChildrenMap(std::uint32_t child);

private:
    // Look-ups take the lock as well: the GUI thread reads while the engine thread inserts,
    // and a rehash under a reader is not survivable. Shared for look-ups, which both threads
    // make per event. Never held across a call out.
    mutable std::shared_mutex m_lock;
    ObjectList m_objects;
    ChildrenMap m_children;
};
