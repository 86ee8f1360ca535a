#include "vx_qtgui/modelexplorer/GuiMESplitter.h"

#include "vrix/DpiScaling.h"
#include "vx_qtgui/modelexplorer/GuiMESplitterHandle.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

GuiMESplitter::GuiMESplitter(
    GuiModelExplorer* explorer, int index, Qt::Orientation orientation, QWidget* parent)
    : QSplitter(orientation, parent)
{
    if (explorer)
        explorer->setSplitter(index, this);
    setOpaqueResize(true);
    setHandleWidth(static_cast<int>(8 * VRIX::dpiScale()));
}

QSplitterHandle* GuiMESplitter::createHandle()
{
    return new GuiMESplitterHandle(orientation(), this);
}
