#pragma once

#include "engine/VXThrottledEmitter.h"
#include "engine/VXWidget.h"
#include "vrix/vxim/Emitter.h"
#include "vxqtgui_export.h"

#include <atomic>
#include <string>

/// Engine-side proxy of a progress dialog, driven through its emitters like the progress bar.
/// The GUI dialog reports cancellation by setting `canceled` and firing canceledEmitter.
/// Engine thread, except `canceled`, which the GUI thread writes.
class VXQTGUI_EXPORT VXProgressDialog : public VXWidget {
public:
    /// `bridgeName` names the bridge that builds the GUI dialog; without a running bridge the
    /// proxy has no widget and its emissions reach nobody.
    VXProgressDialog(const char* bridgeName, VXWidget* parent);
    /// Destroys the GUI dialog; it no longer touches this proxy afterwards.
    ~VXProgressDialog() override;

    const std::string& getBridgeName() const { return m_bridgeName; }

    VXThrottledEmitter<int> setMinimumEmitter;
    VXThrottledEmitter<int> setMaximumEmitter;
    VXThrottledEmitter<int> setValueEmitter;
    /// Elided to the dialog's width.
    VXThrottledEmitter<std::u16string> setLabelTextEmitter;
    /// Shortened when long; the dialog widens to fit.
    VXThrottledEmitter<std::string> setLabelEmitter;
    VXThrottledEmitter<std::string> setCancelButtonTextEmitter;
    /// Milliseconds of CPU time before doProgressEmitter shows the dialog.
    VXThrottledEmitter<int> setMinimumDurationEmitter;
    VXThrottledEmitter<std::u16string> setWindowTitleEmitter;
    /// "NonModal", "WindowModal" or "ApplicationModal"; anything else is ignored.
    VXThrottledEmitter<std::string> setWindowModalityEmitter;
    /// Icon path below the installation root.
    VXThrottledEmitter<std::string> setWindowIconEmitter;
    VXThrottledEmitter<> hideCancelButtonEmitter;
    /// GUI to engine: the user canceled. A burst collapses into one notification.
    VXIM::Emitter0<VXIM::DropSuperseded> canceledEmitter;
    /// Cancels as if the user had pressed the button.
    VXIM::Emitter0<VXIM::DropSuperseded> cancelEmitter;
    VXThrottledEmitter<> showEmitter;
    VXThrottledEmitter<> hideEmitter;
    /// Shows the dialog once its minimum duration of CPU time has passed; the arguments are
    /// free for the host (the dialog ignores them).
    VXThrottledEmitter<bool, int> doProgressEmitter;

private:
    const std::string m_bridgeName;

public:
    /// Set by the GUI thread when the user cancels; read by the host without a lock.
    std::atomic<bool> canceled { false };
};
