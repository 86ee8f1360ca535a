#include "vx_qtgui/GuiTab.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QSignalBlocker>
#include <QTabWidget>

GuiTab::GuiTab(void* key, QWidget* parent)
    : QWidget(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    // Until a bar takes it the page must not show up over its parent's contents.
    setVisible(false);
}

void GuiTab::setOwner(QTabWidget* owner)
{
    m_owner = owner;
    m_lastIndex = tabIndex();
}

int GuiTab::tabIndex() const
{
    return m_owner ? m_owner->indexOf(const_cast<GuiTab*>(this)) : -1;
}

void GuiTab::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    const int index = tabIndex();
    switch (type) {
    case TABCreateMsg:
        return;
    case TABSetNameMsg:
        if (auto* text = dynamic_cast<QtStringMessage*>(msg)) {
            m_name = text->m_string;
            if (index >= 0)
                m_owner->setTabText(index, m_name);
        }
        return;
    case TABGetNameMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, m_name));
        return;
    case ShowMsg:
        if (m_owner && index < 0) {
            const QSignalBlocker quiet(m_owner.data());
            m_lastIndex = m_owner->insertTab(m_lastIndex, this, m_name);
        }
        return;
    case HideMsg:
        if (index >= 0) {
            m_lastIndex = index;
            m_owner->removeTab(index);
        }
        return;
    case SetEnableMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg)) {
            if (index >= 0)
                m_owner->setTabEnabled(index, flag->m_bool);
            setEnabled(flag->m_bool);
        }
        return;
    case IsEnabledMsg:
        GuiCommonMessages::setResult(
            msg, index >= 0 ? (m_owner->isTabEnabled(index) ? 1 : 0) : (isEnabled() ? 1 : 0));
        return;
    case IsVisibleMsg:
        GuiCommonMessages::setResult(msg, index >= 0 && m_owner->isVisible() ? 1 : 0);
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::Tab, this, this, type, msg);
        return;
    }
}
