#pragma once

#include "messaging/VXMessageType.h"

class GuiObject;
class QtMessage;
class QWidget;

/// The dispatcher's table of creation messages: for each creation id, how to find the parent,
/// how to build the new object and what to do after. GUI thread.
class GuiCreationRoute {
public:
    enum ParentKind {
        NoParent, ///< the payload carries no parent
        WidgetParent, ///< the payload's handle, registered as a QWidget
        MainWindowParent, ///< the payload's handle, registered as a QMainWindow
    };

    struct Entry {
        VXMessageType type;
        ParentKind parent;
        /// Whether the new object then handles the creation message itself.
        bool notify;
        /// Whether the parent is repainted afterwards.
        bool updateParent;
        /// Builds the object registered under `key`; null when the payload does not fit.
        GuiObject* (*create)(void* key, QtMessage& msg, QWidget* parent);
        /// Optional last step, after notify.
        void (*finish)(GuiObject* created, QWidget* parent) = nullptr;
    };

    /// The entry for a creation id, or null for every other id.
    static const Entry* find(VXMessageType type);
    /// Installs an entry (replacing the one for its id); returns whether one was replaced and
    /// gives it back in `previous`.
    static bool replace(const Entry& entry, Entry* previous = nullptr);
    /// Removes the entry for an id.
    static void remove(VXMessageType type);

    /// The handle field of a payload that carries one (the parent proxy), else null.
    static void* payloadHandle(QtMessage& msg);
};
