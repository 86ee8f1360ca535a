#include "vx_qtgui/GuiEventTypes.h"

#include <QEvent>

namespace VRIX {

int TextEditDoneEventType()
{
    // The hint lies outside the user range, so Qt hands out the highest free type.
    static const int type = QEvent::registerEventType(478);
    return type;
}

} // namespace VRIX
