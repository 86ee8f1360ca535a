#pragma once

#include "engine/VXWidget.h"
#include "vrix/vxim/Emitter.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a popup menu. Besides the peer's messages, the GUI menu connects to the
/// first three emitters and fires the fourth each time it is about to show, so the host can
/// fill it first. Engine thread.
class VXQTGUI_EXPORT VXPopupMenu : public VXWidget {
public:
    explicit VXPopupMenu(VXWidget* parent);
    ~VXPopupMenu() override;

    VXIM::Emitter0<VXIM::KeepAll> clearEmitter;
    /// Re-lays out a visible menu after its contents changed.
    VXIM::Emitter0<VXIM::KeepAll> forceRefreshEmitter;
    VXIM::Emitter1<bool, VXIM::KeepAll> setClearOnShowEmitter;
    /// GUI to engine: the menu is about to show.
    VXIM::Emitter0<VXIM::KeepAll> aboutToShowEmitter;
};
