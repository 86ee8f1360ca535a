#pragma once

#include "engine/VXText.h"
#include "messaging/QtPeer.h"

/// Peer of VXText: every operation becomes a message to its GuiText. Engine thread.
class QtText : public QtPeer<VXText> {
public:
    explicit QtText(VXWidget* parent);

    void setText(const char* text) override;
    void setText(const std::u16string& text) override;
    std::u16string getText() override;
    void assignBuddy(VXWidget* buddy) override;
    void setWordWrap(bool wrap) override;
    int getFontSize() override;
};
