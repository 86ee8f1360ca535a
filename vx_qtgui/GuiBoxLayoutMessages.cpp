#include "vx_qtgui/GuiBoxLayoutMessages.h"

#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "vx_qtgui/GuiGridLayout.h"
#include "vx_qtgui/GuiLimits.h"

#include <QBoxLayout>
#include <QWidget>

bool GuiBoxLayoutMessages::apply(QBoxLayout& layout, VXMessageType type, QtMessage* msg,
    VXMessageType addLayoutId, VXMessageType addWidgetId)
{
    if (!msg)
        return false;
    if (type == addLayoutId) {
        if (auto* args = dynamic_cast<QtHandleInt5Message*>(msg)) {
            if (QLayout* child = GuiGridLayout::registeredLayout(args->m_handle, &layout, type))
                layout.addLayout(child, GuiLimits::stretch(args->m_int1));
        }
        return true;
    }
    if (type == addWidgetId) {
        if (auto* args = dynamic_cast<QtHandleInt5Message*>(msg)) {
            if (QWidget* child = GuiGridLayout::placeableWidget(args->m_handle, &layout, type)) {
                // A widget added again moves to the end instead of appearing twice.
                layout.removeWidget(child);
                layout.addWidget(child, GuiLimits::stretch(args->m_int1));
            }
        }
        return true;
    }
    if (type == LAYRemoveWidgetMsg) {
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            if (QWidget* child = GuiGridLayout::registeredWidget(handle->m_handle))
                layout.removeWidget(child);
        }
        return true;
    }
    return false;
}
