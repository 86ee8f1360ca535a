#pragma once

#include "engine/VXAction.h"
#include "messaging/QtPeer.h"
#include "messaging/VXMessageType.h"

/// The action's peer: every operation becomes a message to its GuiAction. Engine thread.
class QtAction : public QtPeer<VXAction> {
public:
    QtAction(VXWidget* parent, int id, const std::u16string& command, bool flag1, bool flag2);

    std::u16string getAccel() override;
    std::u16string getIcon() override;
    std::u16string getStatusTip() override;
    std::u16string getText() override;
    std::u16string getToolTip() override;
    std::u16string getWhatsThis() override;
    bool isEnabled() override;
    bool isOn() override;
    bool isToggleAction() override;
    bool isVisible() override;

    void setAccel(const std::u16string& accel) override;
    void setIcon(const std::u16string& path) override;
    void setStatusTip(const std::u16string& tip) override;
    void setText(const std::u16string& text) override;
    void setToolTip(const std::u16string& tip) override;
    void setWhatsThis(const std::u16string& text) override;
    void setEnabled(bool enabled) override;
    void show() override;
    void hide() override;
    void setOn(bool on, bool notify) override;
    void setToggleAction(bool toggle) override;
    void toggle() override;
    void trigger() override;

    /// The text of a string getter's reply; empty when the widget is gone.
    std::u16string getStringValue(VXMessageType type);
    /// The answer of a bool getter; false when the widget is gone.
    bool getBoolValue(VXMessageType type);
};
