#pragma once

#include "engine/VXWidget.h"
#include "vrix/Color.h"
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
};
