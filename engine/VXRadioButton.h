#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a radio button; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXRadioButton : public VXWidget {
public:
    explicit VXRadioButton(VXWidget* parent);
    ~VXRadioButton() override;

    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
    virtual void setLabel(const char* label) { }
    virtual void setLabel(const std::u16string& label) { }
    virtual std::u16string getLabel() { return {}; }
    virtual bool isChecked() { return false; }
};
