#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a scroll view; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXScrollView : public VXWidget {
public:
    explicit VXScrollView(VXWidget* parent);
    ~VXScrollView() override;

    /// Makes the widget of `content` the scrolled contents.
    virtual void addWidget(VXWidget* content) { }
    virtual bool isVScrollBarVisible() { return false; }
    virtual bool isHScrollBarVisible() { return false; }
};
