#include "vx_qtgui/GuiTabBar.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiPlacement.h"
#include "vx_qtgui/GuiTab.h"

#include <QLayout>
#include <QSignalBlocker>

GuiTabBar::GuiTabBar(void* key, QWidget* parent)
    : QTabWidget(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    connect(this, &QTabWidget::currentChanged, this, &GuiTabBar::slotCurrentChanged);
}

void GuiTabBar::slotCurrentChanged(int index)
{
    if (index == -1 || m_suppressEvents)
        return;
    GuiCommonMessages::postEvent(m_peerKey, TABBARTabChangedEvent, index, false);
    if (QWidget* page = widget(index); page && page->layout())
        page->layout()->activate();
}

void GuiTabBar::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case TABBARCreateMsg:
        setFocusPolicy(Qt::StrongFocus);
        return;
    case TABBARAddTabMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            auto* page = dynamic_cast<GuiTab*>(GuiApplication::findWidget(handle->m_handle));
            if (!page || indexOf(page) >= 0 || !GuiPlacement::mayHoldWidget(this, page, type))
                return;
            const QSignalBlocker quiet(this);
            addTab(page, page->name());
            page->setOwner(this);
        }
        return;
    case TABBARGetCurrentTabMsg:
        GuiCommonMessages::setResult(msg, currentIndex());
        return;
    case TABBARImSetCurrentTabMsg:
        if (auto* index = dynamic_cast<QtIntMessage*>(msg);
            index && index->m_int >= 0 && index->m_int < count())
            setCurrentIndex(index->m_int);
        return;
    case TABBARSetCurrentTabMsg:
        if (auto* index = dynamic_cast<QtIntMessage*>(msg);
            index && index->m_int >= 0 && index->m_int < count()) {
            const QSignalBlocker quiet(this);
            setCurrentIndex(index->m_int);
        }
        return;
    case TABBARSetTabPositionMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg)) {
            const QSignalBlocker quiet(this);
            setTabPosition(flag->m_bool ? QTabWidget::North : QTabWidget::South);
        }
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::TabBar, this, this, type, msg);
        return;
    }
}
