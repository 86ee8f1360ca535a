#include "vx_qtgui/GuiAction.h"

#include "messaging/QtActionMessage.h"
#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QEvent>
#include <QKeySequence>
#include <QShortcutEvent>
#include <QSignalBlocker>

GuiAction::GuiAction(void* key, QObject* parent)
    : QAction(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
}

void GuiAction::actionTriggered()
{
    GuiCommonMessages::postEvent(m_peerKey, ActionTriggered);
}

void GuiAction::actionToggled(bool on)
{
    GuiCommonMessages::postEvent(m_peerKey, ActionToggled, on ? 1 : 0, on);
}

void GuiAction::wireSignals()
{
    disconnect(this, &QAction::triggered, this, &GuiAction::actionTriggered);
    disconnect(this, &QAction::toggled, this, &GuiAction::actionToggled);
    if (isCheckable())
        connect(this, &QAction::toggled, this, &GuiAction::actionToggled);
    else
        connect(this, &QAction::triggered, this, &GuiAction::actionTriggered);
}

void GuiAction::setActionText(const QString& text)
{
    setText(text);
    if (m_explicitToolTip)
        return;
    QString tip = text;
    tip.remove(QLatin1Char('&'));
    tip.remove(QStringLiteral("..."));
    setToolTip(tip);
}

void GuiAction::setActionIcon(const QString& path)
{
    m_iconPath = path;
    const QPixmap pixmap = VRIX::loadDpiScaledPixmap(path);
    if (!pixmap.isNull())
        setIcon(QIcon(pixmap));
}

void GuiAction::setActionToolTip(const QString& tip)
{
    m_explicitToolTip = !tip.isEmpty();
    setToolTip(tip.isEmpty() ? text() : tip);
}

bool GuiAction::event(QEvent* e)
{
    // Two actions on one key sequence both fire instead of neither.
    if (e->type() == QEvent::Shortcut && static_cast<QShortcutEvent*>(e)->isAmbiguous()) {
        activate(QAction::Trigger);
        return true;
    }
    return QAction::event(e);
}

void GuiAction::replyText(QtMessage* msg, const QString& text)
{
    msg->setReturnMsg(new QtStringMessage(nullptr, msg->messageType(), text));
}

void GuiAction::replyBool(QtMessage* msg, bool value)
{
    GuiCommonMessages::setResult(msg, value ? 1 : 0);
}

void GuiAction::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    auto* text = dynamic_cast<QtStringMessage*>(msg);
    auto* flag = dynamic_cast<QtBoolMessage*>(msg);
    switch (type) {
    case ACTCreateMsg:
        if (auto* args = dynamic_cast<QtActionMessage*>(msg)) {
            if (!args->m_string1.isEmpty())
                setActionText(args->m_string1);
            if (!args->m_string2.isEmpty())
                setShortcut(QKeySequence(args->m_string2, QKeySequence::PortableText));
            if (!args->m_string3.isEmpty())
                setActionIcon(args->m_string3);
            if (!args->m_string4.isEmpty())
                setStatusTip(args->m_string4);
            if (!args->m_string5.isEmpty())
                setActionToolTip(args->m_string5);
            if (!args->m_string6.isEmpty())
                setWhatsThis(args->m_string6);
            setEnabled(args->m_bool3);
            setVisible(args->m_bool4);
            setCheckable(args->m_bool1);
            // The initial state is the host's own: nothing to report.
            setChecked(args->m_bool1 && args->m_bool2);
        }
        wireSignals();
        return;
    case ACTGetAccelMsg:
        replyText(msg, shortcut().toString(QKeySequence::PortableText));
        return;
    case ACTGetIconMsg:
        replyText(msg, m_iconPath);
        return;
    case ACTGetStatusTipMsg:
        replyText(msg, statusTip());
        return;
    case ACTGetTextMsg:
        replyText(msg, QAction::text());
        return;
    case ACTGetToolTipMsg:
        replyText(msg, toolTip());
        return;
    case ACTGetWhatsThisMsg:
        replyText(msg, whatsThis());
        return;
    case ACTIsEnabledMsg:
        replyBool(msg, isEnabled());
        return;
    case ACTIsOnMsg:
        replyBool(msg, isChecked());
        return;
    case ACTIsToggleActionMsg:
        replyBool(msg, isCheckable());
        return;
    case ACTIsVisibleMsg:
        replyBool(msg, isVisible());
        return;
    case ACTSetAccelMsg:
        if (text)
            setShortcut(QKeySequence(text->m_string, QKeySequence::PortableText));
        return;
    case ACTSetEnableMsg:
        if (flag)
            setEnabled(flag->m_bool);
        return;
    case ACTSetIconMsg:
        if (text)
            setActionIcon(text->m_string);
        return;
    case ACTSetOnMsg:
        if (auto* on = dynamic_cast<QtBoolInt2Message*>(msg); on && isCheckable()) {
            // toggled() reports the change only when the host asked to be told.
            QSignalBlocker blocker(this);
            if (on->m_int1 != 0)
                blocker.unblock();
            setChecked(on->m_bool);
        }
        return;
    case ACTSetStatusTipMsg:
        if (text)
            setStatusTip(text->m_string);
        return;
    case ACTSetTextMsg:
        if (text)
            setActionText(text->m_string);
        return;
    case ACTSetToggleActionMsg:
        if (flag) {
            setCheckable(flag->m_bool);
            wireSignals();
        }
        return;
    case ACTSetToolTipMsg:
        if (text)
            setActionToolTip(text->m_string);
        return;
    case ACTSetVisibleMsg:
        if (flag)
            setVisible(flag->m_bool);
        return;
    case ACTSetWhatsThisMsg:
        if (text)
            setWhatsThis(text->m_string);
        return;
    case ACTToggleMsg:
        if (isCheckable())
            QAction::toggle();
        return;
    case ACTTriggerMsg:
        if (!isCheckable())
            activate(QAction::Trigger);
        return;
    default:
        return;
    }
}
