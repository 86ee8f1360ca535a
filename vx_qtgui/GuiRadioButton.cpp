#include "vx_qtgui/GuiRadioButton.h"

#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

GuiRadioButton::GuiRadioButton(void* key, QWidget* parent, const QString& label)
    : QRadioButton(label, parent)
    , GuiWidget(key)
{
    setObjectName(label);
    GuiApplication::putWidget(key, this);
}

void GuiRadioButton::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case RBTCreateMsg:
        return;
    case RBTGetLabelMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, text()));
        return;
    case RBTIsCheckedMsg:
        GuiCommonMessages::setResult(msg, isChecked() ? 1 : 0);
        return;
    case RBTSetLabelMsg:
        if (auto* label = dynamic_cast<QtStringMessage*>(msg))
            setText(label->m_string);
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::RadioButton, this, this, type, msg);
        return;
    }
}
