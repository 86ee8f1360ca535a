#pragma once

#include "vx_qtgui/GuiObject.h"

/// Base that every GUI widget mixes in beside its Qt class: the peer key and the highlight
/// state. Concrete constructors register the object; this destructor unregisters it. GUI thread.
class GuiWidget : public GuiObject {
public:
    /// A null key stays null: such a widget is never registered.
    explicit GuiWidget(void* key);
    ~GuiWidget() override;

    void* peerKey() const override { return m_peerKey; }
    /// Leaves the registry and forgets the key now, for a widget that is deleted later: it
    /// is no longer found, and what it still raises reaches no peer.
    void detachFromPeer();
    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;
    /// Stores the flag and colour; `alpha` is 0..255 and kept as 0..1.
    void doSetWidgetHighlight(bool on, int red, int green, int blue, int alpha) override;
    bool doIsWidgetHighlighted() const override { return m_highlighted; }

    int highlightRed() const { return m_highlightRed; }
    int highlightGreen() const { return m_highlightGreen; }
    int highlightBlue() const { return m_highlightBlue; }
    double highlightAlpha() const { return m_highlightAlpha; }

protected:
    void* m_peerKey;
    bool m_highlighted;
    int m_highlightRed;
    int m_highlightGreen;
    int m_highlightBlue;
    double m_highlightAlpha;
};
