#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableSort.h"

#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

AutoEnableDisableSort::AutoEnableDisableSort(GuiListView* view)
    : m_view(view)
    , m_wasConnected(view && view->sortRequestsConnected())
{
    if (m_wasConnected)
        m_view->setSortRequestsConnected(false);
}

AutoEnableDisableSort::~AutoEnableDisableSort()
{
    if (m_wasConnected)
        m_view->setSortRequestsConnected(true);
}
