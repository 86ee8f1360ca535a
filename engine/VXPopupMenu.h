#pragma once

#include "engine/VXWidget.h"
#include "vrix/vxim/Emitter.h"
#include "vxqtgui_export.h"

#include <string>

class VXAction;

/// Engine-side proxy of a popup menu. Besides the peer's messages, the GUI menu connects to the
/// first three emitters and fires the fourth each time it is about to show, so the host can
/// fill it first. Engine thread.
class VXQTGUI_EXPORT VXPopupMenu : public VXWidget {
public:
    explicit VXPopupMenu(VXWidget* parent);
    ~VXPopupMenu() override;

    /// Appends the action's widget; an action without one adds nothing.
    virtual void addMenuItem(VXAction* action) { }
    virtual void addSeparator() { }
    /// Gives `menu` the title and hangs it under the item of that name, or appends it.
    virtual void addSubMenu(VXPopupMenu* menu, const std::u16string& title) { }
    virtual void addSubMenu(VXPopupMenu* menu, const char* title) { }
    /// Inserts `menu` as an item called `name` before the item called `before` (appended when
    /// there is none), with a separator in front when asked.
    virtual void addSubMenuItem(
        VXPopupMenu* menu, const std::u16string& name, const std::u16string& before, bool separator)
    {
    }
    /// Shows the menu at the mouse cursor.
    virtual void popup() { }
    virtual void showNamedItem(const std::u16string& name) { }
    virtual void hideNamedItem(const std::u16string& name) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }

    /// Empties the menu.
    void clear() { clearEmitter(); }
    /// Re-lays out a visible menu after the host changed it in its about-to-show handler.
    void forceRefresh() { forceRefreshEmitter(); }
    /// When set, the menu empties itself each time before it asks the host to fill it.
    void setClearOnShow(bool clear) { setClearOnShowEmitter(clear); }

    VXIM::Emitter0<VXIM::KeepAll> clearEmitter;
    /// Re-lays out a visible menu after its contents changed.
    VXIM::Emitter0<VXIM::KeepAll> forceRefreshEmitter;
    VXIM::Emitter1<bool, VXIM::KeepAll> setClearOnShowEmitter;
    /// GUI to engine: the menu is about to show.
    VXIM::Emitter0<VXIM::KeepAll> aboutToShowEmitter;
};
