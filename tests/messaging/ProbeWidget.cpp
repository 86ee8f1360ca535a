#include "tests/messaging/ProbeWidget.h"

#include "messaging/SyncMsgControl.h"
#include "tests/messaging/GuiTestEnvironment.h"
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

ProbeWidget* ProbeWidget::make(void* key, Handler handler)
{
    ProbeWidget* probe = nullptr;
    runOnGuiThread([&] { probe = new ProbeWidget(key, std::move(handler)); });
    return probe;
}

void ProbeWidget::answer(QtMessage* msg, int value)
{
    if (msg->m_syncControl)
        msg->m_syncControl->m_returnValue = value;
}

} // namespace vxtest
