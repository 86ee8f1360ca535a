#pragma once

#include "engine/VXWidget.h"
#include "vrix/Color.h"
#include "vrix/Orientation.h"
#include "vrix/vxim/Emitter.h"
#include "vxqtgui_export.h"

#include <vector>

/// Engine-side proxy of a splitter, driven through emitters that the GUI splitter connects to
/// when it is built. Engine thread.
class VXQTGUI_EXPORT VXSplitter : public VXWidget {
public:
    explicit VXSplitter(VXWidget* parent);
    ~VXSplitter() override;

    VXIM::Emitter1<VRIX::Orientation, VXIM::KeepAll> setOrientationEmitter;
    /// Pane sizes in device-independent units.
    VXIM::Emitter1<std::vector<int>, VXIM::KeepAll> setSizesEmitter;
    /// Pane index and stretch factor.
    VXIM::Emitter2<int, int, VXIM::KeepAll> setStretchFactorEmitter;
    VXIM::Emitter1<VRIX::Color, VXIM::KeepAll> setBackgroundColorEmitter;

    virtual bool isVisible() { return false; }
};
