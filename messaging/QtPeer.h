#pragma once

#include "engine/VXWidget.h"
#include "messaging/PeerCall.h"

#include <string>
#include <utility>

/// The operations most widget kinds share, written once for every peer: `Base` is the kind's
/// proxy class (VXButton, VXCheckBox, ...). A kind's proxy declares only the operations it
/// offers; a function here overrides the proxy's virtual of the same signature and is unused
/// where the kind has none, so these carry no `override`. A peer whose kind acts differently
/// overrides again. The destructor is every peer's: the listener is cut first, the children's
/// widgets go before this one's. Engine thread.
template <class Base> class QtPeer : public Base {
public:
    /// Takes the proxy's constructor arguments (the parent, and an action's id and flags).
    template <class... Args>
    explicit QtPeer(Args&&... args)
        : Base(std::forward<Args>(args)...)
    {
    }

    ~QtPeer() override
    {
        this->disconnect();
        this->deleteChildren();
        if (!m_widgetDestroyed)
            vxpeer::post(this, DestroyWidgetMsg);
    }

    void show() override { vxpeer::post(this, ShowMsg); }
    void hide() override { vxpeer::post(this, HideMsg); }
    void setEnabled(bool enabled) override { vxpeer::post(this, SetEnableMsg, enabled); }
    void setToolTip(const std::u16string& toolTip) override
    {
        vxpeer::post(this, SetToolTipMsg, toolTip);
    }
    void setWidgethighlight(bool on, int a, int b, int c, int d) override
    {
        this->p_setWidgethighlight(on, a, b, c, d);
    }

    // Kinds that offer these declare them in their proxy.
    bool isEnabled() { return vxpeer::ask<bool>(this, IsEnabledMsg); }
    bool isVisible() { return vxpeer::ask<bool>(this, IsVisibleMsg); }
    void setFocus() { vxpeer::post(this, SetFocusMsg); }
    void setRect(int x, int y, int width, int height)
    {
        vxpeer::post(this, SetRectMsg, vxpeer::Rect { x, y, width, height });
    }
    void setFont(const char* family, int pointSize, int bold, int italic, int underline)
    {
        vxpeer::post(this, SetFontMsg, vxpeer::Font { family, pointSize, bold, italic, underline });
    }
    void setForegroundColor(int red, int green, int blue)
    {
        vxpeer::post(this, SetForegroundColorMsg, vxpeer::Ints { red, green, blue });
    }
    void setBackgroundColor(int red, int green, int blue)
    {
        vxpeer::post(this, SetBackgroundColorMsg, vxpeer::Ints { red, green, blue });
    }
    void setShadowColor(int red, int green, int blue)
    {
        vxpeer::post(this, SetShadowColorMsg, vxpeer::Ints { red, green, blue });
    }
    void setMaximumSize(int width, int height)
    {
        vxpeer::post(this, SetMaximumSizeMsg, vxpeer::Ints { width, height });
    }
    void setMinimumSize(int width, int height)
    {
        vxpeer::post(this, SetMinimumSizeMsg, vxpeer::Ints { width, height });
    }
    std::u16string imGetToolTip() { return vxpeer::ask<std::u16string>(this, GetToolTipMsg); }
    bool getBackgroundColor(double& red, double& green, double& blue)
    {
        return vxpeer::askColor(this, GetBackgroundColorMsg, red, green, blue);
    }
    bool getForegroundColor(double& red, double& green, double& blue)
    {
        return vxpeer::askColor(this, GetForegroundColorMsg, red, green, blue);
    }

protected:
    /// Set by a peer that has already had its widget destroyed (synchronously).
    bool m_widgetDestroyed = false;
};
