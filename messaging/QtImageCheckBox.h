#pragma once

#include "engine/VXImageCheckBox.h"
#include "messaging/QtPeer.h"

/// The image check box's peer: every operation becomes a message to its GuiImageCheckBox. Engine
/// thread.
class QtImageCheckBox : public QtPeer<VXImageCheckBox> {
public:
    explicit QtImageCheckBox(VXWidget* parent);

    void setTitle(const std::u16string& title) override;
    void setToggled(bool toggled) override;
};
