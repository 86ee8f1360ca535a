#include "vx_qtgui/GuiWidgetStack.h"

#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

namespace {

QWidget* pageOf(void* handle, const QWidget* stack)
{
    auto* page = dynamic_cast<QWidget*>(GuiApplication::findWidget(handle));
    // The stack itself, or a widget that holds it, cannot be one of its pages.
    return page && page != stack && !page->isAncestorOf(stack) ? page : nullptr;
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
            if (QWidget* page = pageOf(args->m_handle, this))
                insertWidget(args->m_int1, page);
        }
        return;
    case WSRaiseWidgetIdMsg:
        if (auto* id = dynamic_cast<QtIntMessage*>(msg))
            setCurrentIndex(id->m_int);
        return;
    case WSRaiseWidgetPtrMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            QWidget* page = pageOf(handle->m_handle, this);
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
