#pragma once

#include "engine/VXWidget.h"
#include "vrix/vxim/Emitter.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a progress bar. The host drives it at high rate through its emitters,
/// each emission one queued call on the GUI bar. Engine thread.
class VXQTGUI_EXPORT VXProgressBar : public VXWidget {
public:
    /// `bridgeName` names the bridge that builds the GUI bar.
    VXProgressBar(const char* bridgeName, VXWidget* parent);
    ~VXProgressBar() override;

    const std::string& getBridgeName() const { return m_bridgeName; }

    VXIM::Emitter1<int, VXIM::KeepAll> setMinimumEmitter;
    VXIM::Emitter1<int, VXIM::KeepAll> setMaximumEmitter;
    VXIM::Emitter1<int, VXIM::KeepAll> setValueEmitter;

private:
    const std::string m_bridgeName;
};
