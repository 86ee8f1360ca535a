#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <functional>

namespace vxtest {

/// A registered GUI object without a Qt widget: hands every message it gets to a closure.
/// Built and destroyed on the GUI thread.
class ProbeWidget : public GuiWidget {
public:
    using Handler = std::function<void(VXMessageType, QtMessage*)>;

    ProbeWidget(void* key, Handler handler);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Engine thread: builds one on the GUI thread and returns it.
    static ProbeWidget* make(void* key, Handler handler);
    /// The result a waiting sender gets; nothing for a posted message.
    static void answer(QtMessage* msg, int value);

private:
    Handler m_handler;
};

} // namespace vxtest
