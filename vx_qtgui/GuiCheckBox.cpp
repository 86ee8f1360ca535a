#include "vx_qtgui/GuiCheckBox.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCSHAccelEventFilter.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QContextMenuEvent>

GuiCheckBox::GuiCheckBox(void* key, QWidget* parent, const QString& label)
    : QCheckBox(label, parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    installEventFilter(new GuiCSHAccelEventFilter(key, this));
    connect(this, &QCheckBox::clicked, this, &GuiCheckBox::clickEvent);
}

void GuiCheckBox::clickEvent()
{
    GuiCommonMessages::postEvent(m_peerKey, CheckBoxToggleEvent, isChecked() ? 1 : 0, isChecked());
}

void GuiCheckBox::paintEvent(QPaintEvent* event)
{
    QCheckBox::paintEvent(event);
    GuiCommonMessages::paintHighlight(this, *this);
}

void GuiCheckBox::contextMenuEvent(QContextMenuEvent* event)
{
    GuiCommonMessages::postEvent(m_peerKey, ContextMenuEvent);
    event->accept();
}

void GuiCheckBox::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case CHKCreateMsg:
        setFocusPolicy(Qt::StrongFocus);
        return;
    case CHKGetCheckMsg:
        GuiCommonMessages::setResult(msg, isChecked() ? 1 : 0);
        return;
    case CHKGetLabelMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, text()));
        return;
    case CHKSetCheckMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setChecked(flag->m_bool);
        return;
    case CHKSetImCheckMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg)) {
            setChecked(flag->m_bool);
            clickEvent();
        }
        return;
    case CHKSetLabelMsg:
        if (auto* label = dynamic_cast<QtStringMessage*>(msg))
            setText(label->m_string);
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::CheckBox, this, this, type, msg);
        return;
    }
}
