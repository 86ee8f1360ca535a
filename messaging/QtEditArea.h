#pragma once

#include "engine/VXEditArea.h"
#include "messaging/QtPeer.h"

/// Peer of VXEditArea: every operation becomes a message to its GuiEditArea. Engine thread.
class QtEditArea : public QtPeer<VXEditArea> {
public:
    explicit QtEditArea(VXWidget* parent);

    void setText(const char* text) override;
    void imSetText(const char* text) override;
    std::string getText() override;
    void setFile(const char* path) override;
    void setCursorPosToEnd(bool keepAnchor) override;
    void setWordWrap(bool wrap) override;
    void setAutoFormatting(bool on) override;
    std::u16string imGetFontFamily() override;
};
