#pragma once

#include "engine/VXTextBrowser.h"
#include "messaging/QtPeer.h"

/// The text browser's peer: every operation becomes a message to its GuiTextBrowser.
/// Engine thread.
class QtTextBrowser : public QtPeer<VXTextBrowser> {
public:
    explicit QtTextBrowser(VXWidget* parent);

    void setSource(const std::u16string& source) override;
    std::u16string getSource() override;
    void reload() override;
    void setExtensionType(const char* extension, const char* type) override;
    void setText(const char* text) override;
    void setTextU(const std::u16string& text) override;
    char* getText() override;
    std::u16string getTextU() override;
    void setAlwaysOnTop(bool onTop) override;
    void setMode(bool clickMode) override;
    void setBuffer(std::list<std::u16string>& buffers) override;
    void getBuffer(std::list<std::u16string>& buffers) override;
    void setCurrentBuffer(int number) override;
    int getCurrentBuffer() override;
    void setFilePath(std::list<std::u16string>& paths) override;
    void getFilePath(std::list<std::u16string>& paths) override;
    void enableHelp(bool enable) override;
    void showToolBar() override;
    void hideToolBar() override;
};
