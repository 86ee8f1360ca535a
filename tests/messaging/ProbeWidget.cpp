#include "tests/messaging/ProbeWidget.h"

#include "vx_qtgui/GuiApplication.h"

namespace vxtest {

ProbeWidget::ProbeWidget(void* key, Handler handler)
    : GuiWidget(key)
    , m_handler(std::move(handler))
{
    GuiApplication::putWidget(key, this);
}

void ProbeWidget::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (m_handler)
        m_handler(type, msg);
}

} // namespace vxtest
