#include "vx_qtgui/GuiSplitter.h"

#include "engine/VXSplitter.h"
#include "messaging/QtHandleStr4Message.h"
#include "vrix/DpiScaling.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiLimits.h"

#include <QList>

GuiSplitter::GuiSplitter(void* key, QWidget* parent)
    : QSplitter(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    VXSplitter* proxy = VXObject::liveAs<VXSplitter>(key);
    if (!proxy)
        return;
    const VXIM::Thread gui = VXIM::Thread::getCurrentThread();
    VXIM::connect(proxy->setOrientationEmitter, this, &GuiSplitter::doSetOrientation, gui);
    VXIM::connect(proxy->setSizesEmitter, this, &GuiSplitter::doSetSizes, gui);
    VXIM::connect(proxy->setStretchFactorEmitter, this, &GuiSplitter::doSetStretchFactor, gui);
    VXIM::connect(proxy->setBackgroundColorEmitter, this, &GuiSplitter::doSetBackgroundColor, gui);
}

GuiSplitter::~GuiSplitter()
{
    VXIM::Listener::disconnect();
}

void GuiSplitter::doSetOrientation(VRIX::Orientation orientation)
{
    setOrientation(orientation == VRIX::Horizontal ? Qt::Horizontal : Qt::Vertical);
}

void GuiSplitter::doSetSizes(const std::vector<int>& sizes)
{
    const double scale = VRIX::dpiScale();
    QList<int> scaled;
    scaled.reserve(int(sizes.size()));
    for (int size : sizes)
        scaled.append(std::min(int(GuiLimits::extent(size) * scale), GuiLimits::MaxExtent));
    setSizes(scaled);
}

void GuiSplitter::doSetStretchFactor(int index, int stretch)
{
    if (index >= 0 && index < count())
        setStretchFactor(index, GuiLimits::clamp(stretch, 0, GuiLimits::MaxSplitterStretch));
}

void GuiSplitter::doSetBackgroundColor(const VRIX::Color& color)
{
    GuiCommonMessages::setBackgroundColor(GuiCommonMessages::Splitter, this,
        QColor(color.redByte(), color.greenByte(), color.blueByte()));
}

void GuiSplitter::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    if (type == SPLTCreateMsg) {
        if (auto* args = dynamic_cast<QtHandleStr4Message*>(msg)) {
            const bool vertical = args->m_string1.toLower() == QLatin1String("vertical");
            setOrientation(vertical ? Qt::Vertical : Qt::Horizontal);
        }
        return;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Splitter, this, this, type, msg);
}
