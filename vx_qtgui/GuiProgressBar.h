#pragma once

#include "vrix/vxim/Listener.h"
#include "vx_qtgui/GuiWidget.h"

#include <QProgressBar>

class VXProgressBar;

/// The progress bar of a VXProgressBar proxy: driven by the proxy's emitters, not by messages.
/// GUI thread.
class GuiProgressBar : public QProgressBar, public GuiWidget, public VXIM::Listener {
    Q_OBJECT

public:
    /// Connects the proxy's minimum, maximum and value emitters to this bar.
    GuiProgressBar(VXProgressBar* proxy, QWidget* parent);
    ~GuiProgressBar() override;
};
