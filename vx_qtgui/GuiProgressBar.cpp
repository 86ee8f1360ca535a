#include "vx_qtgui/GuiProgressBar.h"

#include "engine/VXProgressBar.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiApplication.h"

GuiProgressBar::GuiProgressBar(VXProgressBar* proxy, QWidget* parent)
    : QProgressBar(parent)
    , GuiWidget(proxy)
{
    GuiApplication::putWidget(proxy, this);
    if (!proxy)
        return;
    const VXIM::Thread gui = VXIM::Thread::getCurrentThread();
    VXIM::connect(proxy->setMinimumEmitter, this, &QProgressBar::setMinimum, gui);
    VXIM::connect(proxy->setMaximumEmitter, this, &QProgressBar::setMaximum, gui);
    VXIM::connect(proxy->setValueEmitter, this, &QProgressBar::setValue, gui);
}

GuiProgressBar::~GuiProgressBar()
{
    VXIM::Listener::disconnect();
}
