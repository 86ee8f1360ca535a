#pragma once

#include "engine/VXWidget.h"
#include "vrix/Color.h"
#include "vrix/VXRect.h"
#include "vrix/vxim/Emitter.h"
#include "vrix/vxim/SingleEmitter.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a top-level main window, partly driven through emitters that the GUI
/// window connects to when it is built. Engine thread.
class VXQTGUI_EXPORT VXWindow : public VXWidget {
public:
    VXWindow();
    ~VXWindow() override;

    /// Icon file path.
    VXIM::Emitter1<std::string, VXIM::KeepAll> setIconEmitter;
    VXIM::Emitter1<bool, VXIM::KeepAll> showStatusBarEmitter;
    /// Geometry and tool bar state as saved by getStateEmitter.
    VXIM::Emitter1<std::string, VXIM::KeepAll> setStateEmitter;
    VXIM::Emitter1<VRIX::Color, VXIM::KeepAll> setBackgroundColorEmitter;
    /// An empty text clears the message.
    VXIM::Emitter1<std::string, VXIM::KeepAll> showStatusBarMessageEmitter;
    /// Waits for the GUI window's state text; empty when no window answers.
    VXIM::SingleEmitter<std::string(), VXIM::KeepAll> getStateEmitter { VXIM::BlockingSend };

    /// The frame, x, y, width, height in device-independent units.
    virtual VRIX::VXRect<int> getPosition() { return {}; }
    virtual void setPosition(int x, int y, int width, int height) { }
    virtual std::string getTitle() { return {}; }
    virtual std::u16string getTitleU() { return {}; }
    virtual void setTitle(const char* title) { }
    virtual void setTitle(const std::u16string& title) { }
    virtual bool hasFocus() { return false; }
    virtual void setAlwaysOnTop(bool onTop) { }
    /// A proxy without a GUI widget leaves the central widget unchanged.
    virtual void setCentralWidget(VXWidget* widget) { }
};
