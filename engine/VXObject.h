#pragma once

#include "engine/VXBaseClass.h"
#include "vxqtgui_export.h"

#include <boost/unordered_set.hpp>

#include <atomic>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

class VXObjectManager;

/// Root of every engine-side proxy: a process-unique id, an optional tag, and registration in
/// the process-wide registry from construction to destruction, so that a stale pointer can be
/// told from a live one. Built and destroyed on the engine thread; the validity checks may be
/// called from any thread.
class VXQTGUI_EXPORT VXObject : public VXBaseClass {
public:
    VXObject();
    VXObject(const VXObject&) = delete;
    VXObject& operator=(const VXObject&) = delete;
    virtual ~VXObject();

    /// Called on each child recorded in the children map when its parent widget goes away.
    virtual void onParentDestroyed() { }
    /// Whether the parent may destroy this object along with itself.
    virtual bool canBeDestroyedByParent() { return true; }
    /// Called when this object is taken out of a container it was part of.
    virtual void onRemovedFromParent() { }

    /// Which GUI-side registry knows this object's GUI counterpart.
    enum RegistryKind {
        RegisteredByAddress = 1, ///< the pointer registry, under this object's address
        RegisteredById = 2, ///< the id registry, under getUID() (see VRIX::addObject)
    };
    /// RegisteredByAddress unless a subclass whose GUI object is kept by id says otherwise.
    virtual int registryKind() const { return RegisteredByAddress; }

    std::uint32_t getUID() const { return m_uid; }
    const std::string& getTag() const { return m_tag; }

    /// Stores a non-empty tag and indexes this object under it, after any equal tags.
    void setTag(const std::string& tag);
    /// Moves this object's first index entry under `oldTag` to `newTag`; `m_tag` stays.
    void renameTag(const std::string& oldTag, const std::string& newTag);
    /// Erases the first index entry of this object, whatever its tag.
    void removeFromVXObjectMap();

    /// Every object indexed under `tag`, in tagging order.
    static std::vector<VXObject*> find(const std::string& tag);

    static VXObject* find(std::uint32_t id);
    static bool isObjectValid(const VXObject* object);
    /// The id a possibly stale pointer is registered under, or 0 (safe from any thread).
    static std::uint32_t findUID(const VXObject* object);
    static bool isObjectValid(std::uint32_t id);
    /// `key` as a T while the registry knows it as a live object of that class, else null. GUI
    /// code takes proxies from messages this way: the key may be stale or of another kind.
    template <class T> static T* liveAs(void* key)
    {
        auto* object = static_cast<VXObject*>(key);
        return key && findUID(object) != 0 ? dynamic_cast<T*>(object) : nullptr;
    }
    /// The id is registered to exactly this pointer: the test before touching an event's target.
    static bool isObjectValid(const VXObject* object, std::uint32_t id);
    static void getAllValidObjects(std::vector<VXObject*>& objects);
    /// Counts destructions; while it stands still every object valid before still is. Engine
    /// thread loops use it to skip repeating a registry look-up for the same object.
    static std::uint64_t destructionCount() { return s_destroyed.load(std::memory_order_relaxed); }
    static void addToListOfObjects(VXObject* object);
    static void removeFromListOfObjects(VXObject* object);

    static void addToChildrenMap(std::uint32_t child, std::uint32_t parent);
    static std::uint32_t getParentUID(std::uint32_t child);
    static bool isValidParent(std::uint32_t parent, std::uint32_t child);
    static boost::unordered_set<std::uint32_t> getChildrenUIDs(std::uint32_t parent);
    static void removeFromChildrenMap(std::uint32_t child);

private:
    void removeAllFromVXObjectMap();

    const std::uint32_t m_uid;
    std::string m_tag;

    static std::atomic<std::uint32_t> s_lastUID;
    static std::atomic<std::uint64_t> s_destroyed;
    static VXObjectManager m_ObjectManager;
    // Engine thread only.
    static std::multimap<std::string, VXObject*> m_VXObjectMap;
};
