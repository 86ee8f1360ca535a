#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableModelResetSlot.h"

#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

AutoEnableDisableModelResetSlot::AutoEnableDisableModelResetSlot(GuiTreeView* view)
    : m_view(view)
{
    if (m_view)
        m_view->setModelResetHandling(false);
}

AutoEnableDisableModelResetSlot::~AutoEnableDisableModelResetSlot()
{
    if (m_view)
        m_view->setModelResetHandling(true);
}
