#pragma once

#include "engine/VXRadioButton.h"
#include "messaging/QtPeer.h"

/// The radio button's peer: every operation becomes a message to its GuiRadioButton. Engine thread.
class QtRadioButton : public QtPeer<VXRadioButton> {
public:
    explicit QtRadioButton(VXWidget* parent);

    void setLabel(const char* label) override;
    void setLabel(const std::u16string& label) override;
    std::u16string getLabel() override;
    bool isChecked() override;
};
