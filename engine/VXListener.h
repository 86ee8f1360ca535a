#pragma once

#include "vxqtgui_export.h"

class VXEvent;

/// A host object that receives events from proxies it registered with (engine thread).
/// Every live listener is in one process-wide list, so a stale registration can be detected.
class VXQTGUI_EXPORT VXListener {
public:
    VXListener();
    VXListener(const VXListener&) = delete;
    VXListener& operator=(const VXListener&) = delete;
    virtual ~VXListener();

    virtual void handleEvent(const VXEvent* event) = 0;

    static void addToListOfListeners(VXListener* listener);
    /// Removes the first entry equal to `listener`; null does nothing.
    static void removeFromListOfListeners(VXListener* listener);
    static bool isListenerValid(VXListener* listener);
};
