#pragma once

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
    /// `bridgeName` names the bridge that builds the GUI dialog.
    VXProgressDialog(const char* bridgeName, VXWidget* parent);
    ~VXProgressDialog() override;

    const std::string& getBridgeName() const { return m_bridgeName; }

    VXIM::Emitter1<int, VXIM::KeepAll> setMinimumEmitter;
    VXIM::Emitter1<int, VXIM::KeepAll> setMaximumEmitter;
    VXIM::Emitter1<int, VXIM::KeepAll> setValueEmitter;
    /// Elided to the dialog's width.
    VXIM::Emitter1<std::u16string, VXIM::KeepAll> setLabelTextEmitter;
    /// Shortened when long; the dialog widens to fit.
    VXIM::Emitter1<std::string, VXIM::KeepAll> setLabelEmitter;
    VXIM::Emitter1<std::string, VXIM::KeepAll> setCancelButtonTextEmitter;
    /// Milliseconds of CPU time before doProgressEmitter shows the dialog.
    VXIM::Emitter1<int, VXIM::KeepAll> setMinimumDurationEmitter;
    VXIM::Emitter1<std::u16string, VXIM::KeepAll> setWindowTitleEmitter;
    /// "NonModal", "WindowModal" or "ApplicationModal"; anything else is ignored.
    VXIM::Emitter1<std::string, VXIM::KeepAll> setWindowModalityEmitter;
    /// Icon path below the installation root.
    VXIM::Emitter1<std::string, VXIM::KeepAll> setWindowIconEmitter;
    VXIM::Emitter0<VXIM::KeepAll> hideCancelButtonEmitter;
    /// GUI to engine: the user canceled. A burst collapses into one notification.
    VXIM::Emitter0<VXIM::DropSuperseded> canceledEmitter;
    /// Cancels as if the user had pressed the button.
    VXIM::Emitter0<VXIM::DropSuperseded> cancelEmitter;
    VXIM::Emitter0<VXIM::KeepAll> showEmitter;
    VXIM::Emitter0<VXIM::KeepAll> hideEmitter;
    /// Shows the dialog once its minimum duration has passed.
    VXIM::Emitter2<bool, int, VXIM::KeepAll> doProgressEmitter;

private:
    const std::string m_bridgeName;

public:
    /// Set by the GUI thread when the user cancels; read by the host without a lock.
    std::atomic<bool> canceled { false };
};
