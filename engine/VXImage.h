#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of an image; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXImage : public VXWidget {
public:
    explicit VXImage(VXWidget* parent);
    ~VXImage() override;

    /// Shows the picture at its own size; a missing file leaves the image empty.
    virtual void setFilePath(const char* path) { }
    /// Acts as a user click: the host's listeners receive it.
    virtual void imClick() { }

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
