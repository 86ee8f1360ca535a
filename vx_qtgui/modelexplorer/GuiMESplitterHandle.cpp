#include "vx_qtgui/modelexplorer/GuiMESplitterHandle.h"

#include "vrix/DpiScaling.h"

GuiMESplitterHandle::GuiMESplitterHandle(Qt::Orientation orientation, QSplitter* parent)
    : QSplitterHandle(orientation, parent)
{
    if (VRIX::dpiScale() > 1.0)
        setCursor(orientation == Qt::Horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
}
