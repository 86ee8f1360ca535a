#pragma once

#include "engine/VXWindow.h"
#include "messaging/QtPeer.h"

/// The main window's peer: its operations become messages to its GuiWindow, which also listens
/// to the proxy's emitters. Engine thread.
class QtWindow : public QtPeer<VXWindow> {
public:
    QtWindow();

    VRIX::VXRect<int> getPosition() override;
    void setPosition(int x, int y, int width, int height) override;
    std::string getTitle() override;
    std::u16string getTitleU() override;
    void setTitle(const char* title) override;
    void setTitle(const std::u16string& title) override;
    bool hasFocus() override;
    void setAlwaysOnTop(bool onTop) override;
    void setCentralWidget(VXWidget* widget) override;
};
