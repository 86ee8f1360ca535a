#pragma once

#include "engine/VXEventType.h"
#include "engine/modelexplorer/UDInterface.h"

#include <QString>

class QRect;
class VXMEObjectEventData;
class VXStringList;

/// The one place where the explorer window turns what happened into host events: it builds
/// the payload (records made by the host's record factory where an object is named), gives
/// the event its record and queues it for the proxy at `key`. GUI thread; every record handed
/// in becomes the event's.
class GuiExplorerEvents {
public:
    explicit GuiExplorerEvents(void* key)
        : m_key(key)
    {
    }

    /// An event without values, or with `value` and `state`.
    void plain(VXEventType type) const;
    void valueState(VXEventType type, int value, bool state) const;
    /// An event carrying a local 8-bit text.
    void text(VXEventType type, const QString& text) const;
    void visibility(bool shownOnce, bool visible) const;
    /// The frame in unscaled units (rounded half up).
    void geometry(const QRect& frame) const;
    void splitters(const int (&sizes)[6]) const;
    /// Names split at spaces, tabs, newlines and commas; no list when there are none.
    void createObject(const QString& type, const QString& names) const;
    /// Sent to the action's proxy: toggled when checkable (state = checked), else triggered.
    static void menuItem(void* actionKey, bool checkable, bool checked);
    /// A record the window received from a view, owned by the event.
    void record(VXEventType type, VXMEObjectEventData* record, int value = 0) const;
    /// A list of one factory record for `object`, or an empty list for null.
    void factoryRecordList(VXEventType type, UDInterface* object) const;
    void object(VXEventType type, UDInterface* object, bool state = false) const;
    void mouse(VXEventType type, int x, int y, UDInterface* object, int value) const;
    void rightClick(int x, int y, bool isTree, bool isWhiteSpace, const QString& property) const;
    /// Names owned by the event.
    void names(VXEventType type, VXStringList* names) const;

private:
    void* m_key;
};
