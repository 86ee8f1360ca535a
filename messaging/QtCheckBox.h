#pragma once

#include "engine/VXCheckBox.h"
#include "messaging/QtPeer.h"

/// The check box's peer: every operation becomes a message to its GuiCheckBox. Engine thread.
class QtCheckBox : public QtPeer<VXCheckBox> {
public:
    explicit QtCheckBox(VXWidget* parent);

    void setWidgethighlight(bool on, int red, int green, int blue, int alpha) override;
    void setLabel(const char* label) override;
    void setLabel(const std::u16string& label) override;
    std::u16string getLabel() override;
    bool getChecked() override;
    void setChecked(bool checked) override;
    void imSetChecked(bool checked) override;
};
