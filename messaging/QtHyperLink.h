#pragma once

#include "engine/VXHyperLink.h"
#include "messaging/QtPeer.h"

/// Peer of VXHyperLink: every operation becomes a message to its GuiHyperLink. Engine thread.
class QtHyperLink : public QtPeer<VXHyperLink> {
public:
    explicit QtHyperLink(VXWidget* parent);

    void setURL(const char* url) override;
    void setURL(const std::u16string& url) override;
    std::u16string getURL() override;
    void click() override;
};
