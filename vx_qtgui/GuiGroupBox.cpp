#include "vx_qtgui/GuiGroupBox.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

GuiGroupBox::GuiGroupBox(void* key, QWidget* parent, const QString& title)
    : QGroupBox(title, parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
}

void GuiGroupBox::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case GRPCreateMsg:
        return;
    case GRPGetTitleMsg:
        // The host reads the title as Latin-1: characters outside it do not survive.
        msg->setReturnMsg(
            new QtStringMessage(nullptr, type, QString::fromLatin1(title().toLatin1())));
        return;
    case GRPSetFlatMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setFlat(flag->m_bool);
        return;
    case GRPSetTitleMsg:
        if (auto* text = dynamic_cast<QtStringMessage*>(msg))
            setTitle(text->m_string);
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::GroupBox, this, this, type, msg);
        return;
    }
}
