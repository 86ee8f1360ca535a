#pragma once

#include "engine/VXWebBrowser.h"
#include "messaging/QtPeer.h"

/// The web browser control's peer: every operation becomes a message to its GuiWebBrowser.
/// Engine thread.
class QtWebBrowser : public QtPeer<VXWebBrowser> {
public:
    explicit QtWebBrowser(VXWidget* parent);

    std::string getUrl() override;
    void setUrl(const std::string& url) override;
};
