#include "vx_qtgui/GuiHBoxLayout.h"

#include "messaging/QtInt5Message.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiBoxLayoutMessages.h"
#include "vx_qtgui/GuiGridLayout.h"
#include "vx_qtgui/GuiLimits.h"

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
    if (GuiBoxLayoutMessages::apply(*this, type, msg, LAYHBoxAddLayoutMsg, LAYHBoxAddWidgetMsg))
        return;
    if (type == LAYHBoxAddSpacerWidgetMsg) {
        if (auto* size = dynamic_cast<QtInt5Message*>(msg))
            addSpacerItem(new QSpacerItem(GuiLimits::extent(size->m_int1),
                GuiLimits::extent(size->m_int2), QSizePolicy::Expanding, QSizePolicy::Fixed));
    }
}
