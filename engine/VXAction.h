#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of an action: a host command with an id that menus, tool bars and
/// shortcuts share. The peer implements the widget operations. Engine thread.
class VXQTGUI_EXPORT VXAction : public VXWidget {
public:
    /// The 8-bit command is converted with the host's catalogue converter (null is empty).
    VXAction(VXWidget* parent, int id, const char* command, bool flag1, bool flag2);
    VXAction(VXWidget* parent, int id, const std::u16string& command, bool flag1, bool flag2);
    ~VXAction() override;

    int getId() const { return m_id; }
    const std::u16string& getCommand() const { return m_command; }
    void setCommand(const char* command);
    virtual void setCommand(const std::u16string& command);
    /// The two flags given at construction, kept for the host.
    bool getFlag1() const { return m_flag1; }
    bool getFlag2() const { return m_flag2; }

    virtual std::u16string getAccel() { return {}; }
    virtual std::u16string getIcon() { return {}; }
    virtual std::u16string getStatusTip() { return {}; }
    virtual std::u16string getText() { return {}; }
    virtual std::u16string getToolTip() { return {}; }
    virtual std::u16string getWhatsThis() { return {}; }
    virtual bool isEnabled() { return false; }
    virtual bool isOn() { return false; }
    virtual bool isToggleAction() { return false; }
    virtual bool isVisible() { return false; }

    /// A key sequence in portable text form ("Ctrl+K").
    virtual void setAccel(const std::u16string& accel) { }
    virtual void setIcon(const std::u16string& path) { }
    virtual void setStatusTip(const std::u16string& tip) { }
    virtual void setText(const std::u16string& text) { }
    virtual void setWhatsThis(const std::u16string& text) { }
    /// Checks or unchecks a toggle action; with `notify` the host hears of a change.
    virtual void setOn(bool on, bool notify) { }
    /// Turns the action into a toggle action or back; its events follow.
    virtual void setToggleAction(bool toggle) { }
    /// A toggle action changes state and reports it; other actions do nothing.
    virtual void toggle() { }
    /// A plain action fires as if chosen by the user; a toggle action does nothing.
    virtual void trigger() { }

private:
    int m_id;
    bool m_flag1;
    bool m_flag2;
    std::u16string m_command;
};
