#include "vx_qtgui/GuiPanel.h"

#include "messaging/QtBoolMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/VXIMReentrancyProtector.h"

#include <QCoreApplication>
#include <QLayout>

namespace {

// Activates `layout` and every layout nested in it, innermost first.
void activateAll(QLayout* layout)
{
    if (!layout)
        return;
    for (int i = 0; i < layout->count(); ++i) {
        if (QLayoutItem* item = layout->itemAt(i))
            activateAll(item->layout());
    }
    layout->activate();
}

} // namespace

GuiPanel::GuiPanel(void* key, QWidget* parent, const QString& name)
    : QWidget(parent)
    , GuiWidget(key)
{
    setObjectName(name);
    GuiApplication::putWidget(key, this);
}

void GuiPanel::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case PNLCreateMsg:
    case PNLCreate2Msg:
        return;
    case PNLRefreshSizeMsg: {
        {
            VXIMReentrancyProtector protector;
            QCoreApplication::processEvents();
        }
        activateAll(layout());
        return;
    }
    case ShowGridMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            m_showGrid = flag->m_bool;
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::Panel, this, this, type, msg);
        return;
    }
}
