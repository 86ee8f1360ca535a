#include "vx_qtgui/GuiVBoxLayout.h"

#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiBoxLayoutMessages.h"
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
    if (GuiBoxLayoutMessages::apply(*this, type, msg, LAYVBoxAddLayoutMsg, LAYVBoxAddWidgetMsg))
        return;
}
