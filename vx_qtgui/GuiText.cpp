#include "vx_qtgui/GuiText.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QContextMenuEvent>

namespace {

QString literalAmpersands(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

} // namespace

GuiText::GuiText(void* key, QWidget* parent)
    : QLabel(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
}

void GuiText::setLabelText(const QString& text)
{
    setText(buddy() ? text : literalAmpersands(text));
}

void GuiText::contextMenuEvent(QContextMenuEvent* e)
{
    GuiCommonMessages::postEvent(m_peerKey, ContextMenuEvent);
    e->accept();
}

void GuiText::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case TXTCreateMsg:
        // Left, vertically centred, tabs expanded and mnemonics shown.
        setAlignment(Qt::Alignment(
            Qt::AlignLeft | Qt::AlignVCenter | Qt::TextExpandTabs | Qt::TextShowMnemonic));
        if (auto* args = dynamic_cast<QtHandleStr4Message*>(msg))
            setText(literalAmpersands(args->m_string1));
        return;
    case TXTSetTextMsg:
        if (auto* string = dynamic_cast<QtStringMessage*>(msg))
            setLabelText(string->m_string);
        return;
    case TXTGetTextMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, text()));
        return;
    case TXTAssignBuddyMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg))
            setBuddy(dynamic_cast<QWidget*>(GuiApplication::findWidget(handle->m_handle)));
        return;
    case TXTWordWrapMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setWordWrap(flag->m_bool);
        return;
    case GetFontSizeMsg:
        GuiCommonMessages::setResult(msg, font().pointSize());
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Text, this, this, type, msg);
}
