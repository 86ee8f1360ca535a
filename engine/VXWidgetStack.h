#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a widget stack; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXWidgetStack : public VXWidget {
public:
    explicit VXWidgetStack(VXWidget* parent);
    ~VXWidgetStack() override;

    /// Inserts the page's widget at position `id` (appended when out of range).
    virtual void addWidget(VXWidget* page, int id) { }
    virtual void raiseWidget(int id) { }
    virtual void raiseWidget(VXWidget* page) { }
    virtual int getCurrentWidgetId() { return -1; }
    /// Shrinks to the minimum size and shows.
    virtual void refreshSize() { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
