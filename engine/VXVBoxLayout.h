#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a vertical box layout, with or without a parent; the peer implements its
/// operations. Engine thread.
class VXQTGUI_EXPORT VXVBoxLayout : public VXWidget {
public:
    VXVBoxLayout();
    explicit VXVBoxLayout(VXWidget* parent);
    ~VXVBoxLayout() override;

    virtual void addLayout(VXWidget* layout, int stretch) { }
    /// A widget already in the layout moves to the end.
    virtual void addWidget(VXObject* widget, int stretch) { }
    virtual void removeWidget(VXWidget* widget) { }
};
