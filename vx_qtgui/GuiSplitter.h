#pragma once

#include "vrix/Color.h"
#include "vrix/Orientation.h"
#include "vrix/vxim/Listener.h"
#include "vx_qtgui/GuiWidget.h"

#include <QSplitter>

#include <vector>

/// The splitter of a QtSplitter peer, driven by the proxy's emitters (orientation, sizes,
/// stretch factors, background). GUI thread.
class GuiSplitter : public QSplitter, public GuiWidget, public VXIM::Listener {
    Q_OBJECT

public:
    /// Connects the emitters of the proxy at `key` when it is a live splitter proxy.
    GuiSplitter(void* key, QWidget* parent);
    ~GuiSplitter() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// 0 is horizontal, anything else vertical.
    void doSetOrientation(VRIX::Orientation orientation);
    /// Sizes in device-independent units, scaled and truncated.
    void doSetSizes(const std::vector<int>& sizes);
    void doSetStretchFactor(int index, int stretch);
    void doSetBackgroundColor(const VRIX::Color& color);
};
