#include "vx_qtgui/GuiSlider.h"

#include "messaging/QtIntMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiLimits.h"

#include <algorithm>

GuiSlider::GuiSlider(void* key, QWidget* parent, const QByteArray& name)
    : QSlider(parent)
    , GuiWidget(key)
{
    setObjectName(QString::fromLocal8Bit(name));
    GuiApplication::putWidget(key, this);
    connect(this, &QSlider::sliderMoved, this, &GuiSlider::movedEvent);
    connect(this, &QSlider::valueChanged, this, &GuiSlider::valueChangedEvent);
}

void GuiSlider::movedEvent(int position)
{
    GuiCommonMessages::postEvent(m_peerKey, SliderMovedEvent, position, false);
}

void GuiSlider::valueChangedEvent(int value)
{
    GuiCommonMessages::postEvent(m_peerKey, SliderValueChangedEvent, value, false);
}

int GuiSlider::bounded(int value)
{
    return GuiLimits::clamp(value, -GuiLimits::MaxSliderMagnitude, GuiLimits::MaxSliderMagnitude);
}

void GuiSlider::applyTickInterval()
{
    // Painting walks every tick from minimum to maximum; a fine interval on a wide range
    // would hold the GUI thread for billions of steps.
    const long long range = static_cast<long long>(maximum()) - minimum();
    const long long coarsest = (range + GuiLimits::MaxSliderTicks - 1) / GuiLimits::MaxSliderTicks;
    // Without a host interval Qt steps by the page step at the densest.
    const long long asked = m_requestedTickInterval > 0 ? m_requestedTickInterval : pageStep();
    if (coarsest <= asked)
        setTickInterval(m_requestedTickInterval);
    else
        setTickInterval(static_cast<int>(coarsest));
}

void GuiSlider::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    auto* number = dynamic_cast<QtIntMessage*>(msg);
    switch (type) {
    case SliderCreateMsg:
        setOrientation(Qt::Horizontal);
        setTickPosition(QSlider::TicksBelow);
        return;
    case SliderGetValueMsg:
        GuiCommonMessages::setResult(msg, value());
        return;
    case SliderSetMaxMsg:
        if (number) {
            setMaximum(bounded(number->m_int));
            applyTickInterval();
        }
        return;
    case SliderSetMinMsg:
        if (number) {
            setMinimum(bounded(number->m_int));
            applyTickInterval();
        }
        return;
    case SliderSetTickIntervalMsg:
        if (number) {
            m_requestedTickInterval = std::max(number->m_int, 0);
            applyTickInterval();
        }
        return;
    case SliderSetValueMsg:
        if (number)
            setValue(number->m_int);
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Slider, this, this, type, msg);
}
