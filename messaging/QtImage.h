#pragma once

#include "engine/VXImage.h"
#include "vxqtgui_export.h"

/// Peer of VXImage: every operation becomes a message to its GuiImage. Engine thread.
class VXQTGUI_EXPORT QtImage : public VXImage {
public:
    explicit QtImage(VXWidget* parent);
    ~QtImage() override;

    void setFilePath(const char* path) override;
    void imClick() override;

    void show() override;
    void hide() override;
    void setEnabled(bool enabled) override;
    void setToolTip(const std::u16string& toolTip) override;
    void setRect(int x, int y, int width, int height) override;
    void setMaximumSize(int width, int height) override;
    void setMinimumSize(int width, int height) override;
    void setFocus() override;
    bool isEnabled() override;
    bool isVisible() override;
};
