#pragma once

#include "engine/VXButton.h"
#include "messaging/QtPeer.h"

/// The push button's peer: every operation becomes a message to its GuiButton. Engine thread.
class QtButton : public QtPeer<VXButton> {
public:
    explicit QtButton(VXWidget* parent);

    void setLabel(const char* label) override;
    void setLabel(const std::u16string& label) override;
    void setMenu(VXPopupMenu* menu) override;
    void setIcon(const char* path) override;
    void click() override;
    void setDefault(bool isDefault) override;
    bool isIconSet() override;
    void setFlat(bool flat) override;
};
