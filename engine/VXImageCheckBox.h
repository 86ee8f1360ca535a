#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of an image check box (an arrow that folds its contents); the peer implements
/// its operations. Engine thread.
class VXQTGUI_EXPORT VXImageCheckBox : public VXWidget {
public:
    explicit VXImageCheckBox(VXWidget* parent);
    ~VXImageCheckBox() override;

    virtual void setTitle(const std::u16string& title) { }
    /// Folds or unfolds quietly.
    virtual void setToggled(bool toggled) { }
};
