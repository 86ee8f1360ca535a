#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableExpandCollapse.h"

#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

AutoEnableDisableExpandCollapse::AutoEnableDisableExpandCollapse(GuiTreeView* view, bool enable)
    : m_view(view)
    , m_restore(!enable)
{
    if (m_view)
        m_view->setExpandCollapseHandling(enable);
}

AutoEnableDisableExpandCollapse::~AutoEnableDisableExpandCollapse()
{
    if (m_view)
        m_view->setExpandCollapseHandling(m_restore);
}

void AutoEnableDisableExpandCollapse::enable()
{
    if (m_view)
        m_view->setExpandCollapseHandling(true);
}

void AutoEnableDisableExpandCollapse::disable()
{
    if (m_view)
        m_view->setExpandCollapseHandling(false);
}
