#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <list>
#include <string>

/// Engine-side proxy of a text browser (and of the informer, a browser named "Informer"); the
/// peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTextBrowser : public VXWidget {
public:
    explicit VXTextBrowser(VXWidget* parent);
    ~VXTextBrowser() override;

    virtual void setSource(const std::u16string& source) { }
    virtual std::u16string getSource() { return {}; }
    virtual void reload() { }
    virtual void setExtensionType(const char* extension, const char* type) { }
    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setText(const char* text) { }
    virtual void setTextU(const std::u16string& text) { }
    /// A copy made with utStrdup (the caller frees it); null when nobody answered.
    virtual char* getText() { return nullptr; }
    virtual std::u16string getTextU() { return {}; }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
    virtual void setForegroundColor(int red, int green, int blue) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setAlwaysOnTop(bool onTop) { }
    /// Informer only: true chooses following on click, false on focus.
    virtual void setMode(bool clickMode) { }
    /// Buffers are numbered from 1 in list order.
    virtual void setBuffer(std::list<std::u16string>& buffers) { }
    virtual void getBuffer(std::list<std::u16string>& buffers) { }
    virtual void setCurrentBuffer(int number) { }
    virtual int getCurrentBuffer() { return 0; }
    /// Directories tried in order for a source that is a plain file name.
    virtual void setFilePath(std::list<std::u16string>& paths) { }
    virtual void getFilePath(std::list<std::u16string>& paths) { }
    virtual void enableHelp(bool enable) { }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    virtual void showToolBar() { }
    virtual void hideToolBar() { }
    /// Routes to showToolBar() or hideToolBar().
    virtual void setToolBarVisible(bool visible);
    virtual void setFocus() { }
};
