#pragma once

#include "engine/VXEventType.h"
#include "engine/VXObject.h"
#include "vrix/vxim/Listener.h"
#include "vxqtgui_export.h"

#include <cstdint>
#include <list>
#include <string>

class VXEvent;
class VXListener;

/// Base of every engine-side widget proxy the host holds: a parent link, the children attached
/// to it, and the host's listeners per event type. Lives on the engine thread; the operations
/// that reach the GUI widget are implemented by the peers.
class VXQTGUI_EXPORT VXWidget : public VXObject, public VXIM::Listener {
public:
    VXWidget();
    VXWidget(const VXWidget&) = delete;
    VXWidget& operator=(const VXWidget&) = delete;
    ~VXWidget() override;

    /// Records a non-null parent and appends this proxy to its children; null does nothing.
    virtual void setParent(VXWidget* parent);
    virtual VXWidget* getParent();
    /// Unlinks the first entry equal to `child`; the child is not deleted.
    virtual void removeChild(VXWidget* child);
    /// The same listener may be entered several times, for the same or other types.
    virtual void addEventListener(VXListener* listener, VXEventType type);
    /// Removes every entry of `listener` whose type is `type` or InvalidEvent.
    virtual void removeEventListener(VXListener* listener, VXEventType type);
    /// Calls every valid listener registered for the event's type.
    virtual void notifyListeners(const VXEvent* event);
    virtual bool listensForEventOfType(VXEventType type);
    virtual void setWidgethighlight(bool on, int a, int b, int c, int d) { }
    virtual bool isWidgetHighlighted();
    virtual void show() { }
    virtual void hide() { }
    /// Routes to show() or hide(), so a peer's overrides decide.
    virtual void setVisible(bool visible);
    virtual void setToolTip(const std::u16string& toolTip) { }
    virtual void setEnabled(bool enabled) { }
    /// Deletes every child in attachment order until none is left.
    virtual void deleteChildren();
    /// Posts the highlight request to the GUI widget; peers' setWidgethighlight call this.
    virtual void p_setWidgethighlight(bool on, int a, int b, int c, int d);

    const std::list<VXWidget*>& getChildren() const { return m_children; }
    std::size_t listenerCount() const { return m_listeners.size(); }
    /// Copied into some text-browser messages: texts from this proxy are translated.
    bool shouldTranslate() const { return m_translate; }

protected:
    VXWidget* m_parent = nullptr;
    std::list<VXWidget*> m_children;
    // Parallel lists: entry i of m_listeners is registered for entry i of m_listenerTypes.
    std::list<VXListener*> m_listeners;
    std::list<VXEventType> m_listenerTypes;
    bool m_translate = true;

private:
    // Lets the destructor tell a live parent from a stale address before unlinking itself.
    std::uint32_t m_parentUID = 0;
};
