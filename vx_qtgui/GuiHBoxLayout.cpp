#include "vx_qtgui/GuiHBoxLayout.h"

#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtInt5Message.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiGridLayout.h"

#include <QSpacerItem>
#include <QWidget>

GuiHBoxLayout::GuiHBoxLayout(void* key, QWidget* parent)
    : QHBoxLayout(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    const int margin = GuiGridLayout::defaultMargin();
    setContentsMargins(margin, margin, margin, margin);
}

GuiHBoxLayout::GuiHBoxLayout(void* key)
    : GuiHBoxLayout(key, nullptr)
{
}

void GuiHBoxLayout::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case LAYHBoxAddLayoutMsg:
        if (auto* args = dynamic_cast<QtHandleInt5Message*>(msg)) {
            if (QLayout* child = GuiGridLayout::registeredLayout(args->m_handle, this))
                addLayout(child, args->m_int1);
        }
        return;
    case LAYHBoxAddSpacerWidgetMsg:
        if (auto* size = dynamic_cast<QtInt5Message*>(msg))
            addSpacerItem(new QSpacerItem(
                size->m_int1, size->m_int2, QSizePolicy::Expanding, QSizePolicy::Fixed));
        return;
    case LAYHBoxAddWidgetMsg:
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
