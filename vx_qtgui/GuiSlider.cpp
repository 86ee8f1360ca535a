#include "vx_qtgui/GuiSlider.h"

#include "messaging/QtIntMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

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
        if (number)
            setMaximum(number->m_int);
        return;
    case SliderSetMinMsg:
        if (number)
            setMinimum(number->m_int);
        return;
    case SliderSetTickIntervalMsg:
        if (number)
            setTickInterval(number->m_int);
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
