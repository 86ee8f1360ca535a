#include "vx_qtgui/GuiScrollView.h"

#include "messaging/QtHandleMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiPlacement.h"

#include <QScrollBar>

GuiScrollView::GuiScrollView(void* key, QWidget* parent)
    : QScrollArea(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
}

void GuiScrollView::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case SVCreateMsg:
        setFrameStyle(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);
        return;
    case SVAddWidgetMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            auto* content = dynamic_cast<QWidget*>(GuiApplication::findWidget(handle->m_handle));
            if (!GuiPlacement::mayHoldWidget(this, content, type))
                return;
            content->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
            setWidget(content);
            setWidgetResizable(true);
        }
        return;
    case IsVScrollBarVisibleMsg:
        GuiCommonMessages::setResult(msg, verticalScrollBar()->isVisible() ? 1 : 0);
        return;
    case IsHScrollBarVisibleMsg:
        GuiCommonMessages::setResult(msg, horizontalScrollBar()->isVisible() ? 1 : 0);
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::ScrollView, this, this, type, msg);
        return;
    }
}
