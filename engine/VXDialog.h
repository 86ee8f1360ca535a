#pragma once

#include "engine/VXWidget.h"
#include "vrix/VXRect.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a dialog. Built by its peer, which attaches the parent. Engine thread.
class VXQTGUI_EXPORT VXDialog : public VXWidget {
public:
    VXDialog();
    ~VXDialog() override;

    virtual void setTitle(const char* title) { }
    virtual void setTitle(const std::u16string& title) { }
    virtual std::u16string getTitle() { return {}; }
    virtual void setIcon(const char* path) { }
    virtual void setModal(bool modal) { }
    /// While on, the host hears DLGResizeEvent once a user's resize has settled.
    virtual void monitorResize(bool monitor) { }
    virtual void move(int x, int y) { }
    /// Lays the contents out again and shrinks or grows the dialog to fit.
    virtual void refreshSize() { }
    /// 0 to 2 zoom in, 3 and 4 zoom out, 5 asks to close; others do nothing.
    virtual void sendKeyAccel(int accelerator) { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
    virtual bool isMaximized() { return false; }
    virtual bool isMinimized() { return false; }
    /// A frameless or transient dialog reports DLGApplyCloseEvent when it loses activation.
    virtual void setWindowFrameless(bool frameless) { }
    virtual bool isWindowFrameless() { return false; }
    virtual void setWindowTransient(bool transient) { }
    virtual bool isWindowTransient() { return false; }
    /// While set, Escape neither closes the dialog nor reports anything.
    virtual void ignoreESC(bool ignore) { }
    /// The contents area, x, y, width, height in device-independent units.
    virtual VRIX::VXRect<int> getClientGeometry() { return {}; }
    /// The frame including title bar and borders.
    virtual VRIX::VXRect<int> getGeometry() { return {}; }
    virtual void setClientGeometry(int x, int y, int width, int height) { }
    virtual void setGeometry(int x, int y, int width, int height) { }
    virtual bool getBackgroundColor(double& red, double& green, double& blue) { return false; }
    virtual void showMinimized() { }
    virtual void showMaximized() { }
    virtual void showNormal() { }
};
