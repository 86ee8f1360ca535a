#include "vx_qtgui/modelexplorer/ODCustListTreeView.h"

#include "vrix/DpiScaling.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

ODCustListTreeView::ODCustListTreeView(
    GuiModelExplorer* explorer, GuiTreePanel* panel, QWidget* parent)
    : GuiTreeAccordion(panel, parent)
{
    setObjectName(QStringLiteral("treeSide"));
    setOpaqueResize(true);
    setHandleWidth(static_cast<int>(8 * VRIX::dpiScale()));
    if (explorer)
        explorer->setSplitter(0, this);
}
