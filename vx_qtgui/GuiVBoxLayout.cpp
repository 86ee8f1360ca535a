#include "vx_qtgui/GuiVBoxLayout.h"

#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiGridLayout.h"

#include <QWidget>

GuiVBoxLayout::GuiVBoxLayout(void* key, QWidget* parent)
    : QVBoxLayout(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    const int margin = GuiGridLayout::defaultMargin();
    setContentsMargins(margin, margin, margin, margin);
}

GuiVBoxLayout::GuiVBoxLayout(void* key)
    : QVBoxLayout()
    , GuiWidget(key)
{
    // Without a parent the layout keeps Qt's default margins.
    GuiApplication::putWidget(key, this);
}

void GuiVBoxLayout::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case LAYVBoxAddLayoutMsg:
        if (auto* args = dynamic_cast<QtHandleInt5Message*>(msg)) {
            if (QLayout* child = GuiGridLayout::registeredLayout(args->m_handle, this))
                addLayout(child, args->m_int1);
        }
        return;
    case LAYVBoxAddWidgetMsg:
        if (auto* args = dynamic_cast<QtHandleInt5Message*>(msg)) {
            if (QWidget* child = GuiGridLayout::registeredWidget(args->m_handle)) {
                // A widget added again moves to the end instead of appearing twice.
                removeWidget(child);
                addWidget(child, args->m_int1);
            }
        }
        return;
    case LAYRemoveWidgetMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            if (QWidget* child = GuiGridLayout::registeredWidget(handle->m_handle))
                removeWidget(child);
        }
        return;
    default:
        return;
    }
}
