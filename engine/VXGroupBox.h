#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a group box; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXGroupBox : public VXWidget {
public:
    explicit VXGroupBox(VXWidget* parent);
    ~VXGroupBox() override;

    virtual void setTitle(const char* title) { }
    virtual void setTitle(const std::u16string& title) { }
    virtual std::string getTitle() { return {}; }
    virtual void setFlat(bool flat) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
