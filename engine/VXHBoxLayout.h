#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a horizontal box layout, with or without a parent; the peer implements its
/// operations. Engine thread.
class VXQTGUI_EXPORT VXHBoxLayout : public VXWidget {
public:
    VXHBoxLayout();
    explicit VXHBoxLayout(VXWidget* parent);
    ~VXHBoxLayout() override;

    virtual void addLayout(VXWidget* layout, int stretch) { }
    /// A widget already in the layout moves to the end.
    virtual void addWidget(VXWidget* widget, int stretch) { }
    virtual void addSpacerWidget(int width, int height) { }
    virtual void removeWidget(VXWidget* widget) { }
};
