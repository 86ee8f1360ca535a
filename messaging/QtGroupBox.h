#pragma once

#include "engine/VXGroupBox.h"
#include "vxqtgui_export.h"

/// The group box's peer: every operation becomes a message to its GuiGroupBox. Engine thread.
class VXQTGUI_EXPORT QtGroupBox : public VXGroupBox {
public:
    explicit QtGroupBox(VXWidget* parent);
    ~QtGroupBox() override;

    void setTitle(const char* title) override;
    void setTitle(const std::u16string& title) override;
    std::string getTitle() override;
    void setFlat(bool flat) override;
    void setFont(const char* family, int pointSize, int bold, int italic, int underline) override;
    void setBackgroundColor(int red, int green, int blue) override;
    bool isEnabled() override;
    bool isVisible() override;
    void setEnabled(bool enabled) override;
    void hide() override;
};
