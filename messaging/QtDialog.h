#pragma once

#include "engine/VXDialog.h"
#include "messaging/QtPeer.h"

/// The dialog's peer: every operation becomes a message to its GuiDialog. Engine thread.
class QtDialog : public QtPeer<VXDialog> {
public:
    QtDialog();

    void setTitle(const char* title) override;
    void setTitle(const std::u16string& title) override;
    std::u16string getTitle() override;
    void setIcon(const char* path) override;
    void setModal(bool modal) override;
    void monitorResize(bool monitor) override;
    void move(int x, int y) override;
    void refreshSize() override;
    void sendKeyAccel(int accelerator) override;
    bool isVisible() override;
    bool isMaximized() override;
    bool isMinimized() override;
    void setWindowFrameless(bool frameless) override;
    bool isWindowFrameless() override;
    void setWindowTransient(bool transient) override;
    bool isWindowTransient() override;
    void ignoreESC(bool ignore) override;
    VRIX::VXRect<int> getClientGeometry() override;
    VRIX::VXRect<int> getGeometry() override;
    void setClientGeometry(int x, int y, int width, int height) override;
    void setGeometry(int x, int y, int width, int height) override;
    void showMinimized() override;
    void showMaximized() override;
    void showNormal() override;
};
