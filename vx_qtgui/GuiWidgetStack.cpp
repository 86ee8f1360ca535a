#include "vx_qtgui/GuiWidgetStack.h"

#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiPlacement.h"

namespace {

QWidget* pageOf(void* handle)
{
    return dynamic_cast<QWidget*>(GuiApplication::findWidget(handle));
}

} // namespace

GuiWidgetStack::GuiWidgetStack(void* key, QWidget* parent)
    : QStackedWidget(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
}

void GuiWidgetStack::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case WSCreateMsg:
        return;
    case WSAddWidgetMsg:
        if (auto* args = dynamic_cast<QtHandleInt5Message*>(msg)) {
            if (QWidget* page = pageOf(args->m_handle);
                GuiPlacement::mayHoldWidget(this, page, type))
                insertWidget(args->m_int1, page);
        }
        return;
    case WSRaiseWidgetIdMsg:
        if (auto* id = dynamic_cast<QtIntMessage*>(msg))
            setCurrentIndex(id->m_int);
        return;
    case WSRaiseWidgetPtrMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            QWidget* page = pageOf(handle->m_handle);
            if (page && indexOf(page) >= 0)
                setCurrentWidget(page);
        }
        return;
    case WSGetCurrentWidgetIdMsg:
        GuiCommonMessages::setResult(msg, currentIndex());
        return;
    case WSRefreshSizeMsg:
        resize(minimumSize());
        show();
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::WidgetStack, this, this, type, msg);
        return;
    }
}
