#pragma once

#include "engine/VXThrottledEmitter.h"
#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a progress bar. The host drives it at high rate through its emitters,
/// each emission one queued call on the GUI bar; a long GUI queue makes the emission wait.
/// Engine thread.
class VXQTGUI_EXPORT VXProgressBar : public VXWidget {
public:
    /// `bridgeName` names the bridge that builds the GUI bar; without a running bridge the
    /// proxy has no widget and its emissions reach nobody.
    VXProgressBar(const char* bridgeName, VXWidget* parent);
    /// Destroys the GUI bar.
    ~VXProgressBar() override;

    const std::string& getBridgeName() const { return m_bridgeName; }

    VXThrottledEmitter<int> setMinimumEmitter;
    VXThrottledEmitter<int> setMaximumEmitter;
    VXThrottledEmitter<int> setValueEmitter;

private:
    const std::string m_bridgeName;
};
