#include "vx_qtgui/GuiToolBar.h"

#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiPlacement.h"

#include <QAction>
#include <QMainWindow>
#include <QScopedValueRollback>

GuiToolBar::GuiToolBar(void* key, QMainWindow* parent)
    : QToolBar(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    if (parent)
        parent->addToolBar(this);
    connect(this, &QToolBar::visibilityChanged, this, &GuiToolBar::slotVisibilityChanged);
}

void GuiToolBar::slotVisibilityChanged(bool visible)
{
    if (!m_suppressEvents)
        GuiCommonMessages::postEvent(m_peerKey, TBVisibilityChangedEvent, visible ? 1 : 0, visible);
}

bool GuiToolBar::setButtonStyle(const QString& name)
{
    const QString style = name.toLower();
    if (style == QLatin1String("textonly"))
        setToolButtonStyle(Qt::ToolButtonTextOnly);
    else if (style == QLatin1String("textbesideicon"))
        setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    else if (style == QLatin1String("textundericon"))
        setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    else
        return false;
    return true;
}

void GuiToolBar::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    QScopedValueRollback<bool> suppressed(m_suppressEvents, true);
    switch (type) {
    case TOOLCreateMsg:
        return;
    case TOOLAddActionMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            if (auto* action = dynamic_cast<QAction*>(GuiApplication::findWidget(handle->m_handle)))
                addAction(action);
        }
        return;
    case TOOLAddWidgetMsg:
        if (auto* id = dynamic_cast<QtIntMessage*>(msg)) {
            auto* widget = dynamic_cast<QWidget*>(
                GuiApplication::getWidget(static_cast<unsigned>(id->m_int)));
            if (GuiPlacement::mayHoldWidget(this, widget, type))
                addWidget(widget);
        }
        return;
    case TOOLAddSeparatorMsg:
        addSeparator();
        return;
    case TOOLSetLabelMsg:
        if (auto* label = dynamic_cast<QtStringMessage*>(msg))
            setWindowTitle(label->m_string);
        return;
    case TOOLSetButtonStyleMsg:
        if (auto* style = dynamic_cast<QtStringMessage*>(msg))
            setButtonStyle(style->m_string);
        return;
    case HideMsg:
        hide();
        return;
    case ShowMsg:
        show();
        return;
    default:
        return;
    }
}
