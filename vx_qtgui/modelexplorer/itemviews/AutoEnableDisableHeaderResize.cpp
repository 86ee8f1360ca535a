#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableHeaderResize.h"

#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

AutoEnableDisableHeaderResize::AutoEnableDisableHeaderResize(GuiListView* view)
    : m_view(view)
    , m_wasConnected(view && view->headerResizeConnected())
{
    if (m_wasConnected)
        m_view->setHeaderResizeConnected(false);
}

AutoEnableDisableHeaderResize::~AutoEnableDisableHeaderResize()
{
    if (m_wasConnected)
        m_view->setHeaderResizeConnected(true);
}
