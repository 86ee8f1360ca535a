#include "vx_qtgui/GuiButton.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QMenu>
#include <QScopedValueRollback>

GuiButton::GuiButton(void* key, QWidget* parent, const QString& label)
    : QPushButton(label, parent)
    , GuiWidget(key)
{
    setObjectName(label);
    GuiApplication::putWidget(key, this);
    connect(this, &QPushButton::clicked, this, &GuiButton::clickEvent);
}

void GuiButton::clickEvent()
{
    GuiCommonMessages::postEvent(m_peerKey, ButtonPressEvent);
}

bool GuiButton::focusNextPrevChild(bool next)
{
    // Disabling the focused Apply button hands focus back, not on to the next control.
    return QPushButton::focusNextPrevChild(m_programmaticEnable ? false : next);
}

void GuiButton::setLabel(const QString& label)
{
    setText(label);
    if (objectName().isEmpty())
        return;
    if (objectName() == QLatin1String("OK"))
        setDefault(true);
    else if (objectName() == QLatin1String("Apply"))
        m_isApply = true;
}

void GuiButton::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case BTNCreateMsg:
        setFocusPolicy(Qt::StrongFocus);
        setAutoDefault(false);
        return;
    case BTNClickMsg:
        // Qt raises clicked() for an enabled button, which reports the press.
        click();
        return;
    case BTNIsIconSetMsg: {
        const int hasIcon = icon().isNull() ? 0 : 1;
        GuiCommonMessages::setResult(msg, hasIcon);
        return;
    }
    case BTNSetDefaultMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setDefault(flag->m_bool);
        return;
    case BTNSetFlatMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setFlat(flag->m_bool);
        return;
    case BTNSetIconMsg:
        if (auto* path = dynamic_cast<QtStringMessage*>(msg)) {
            const QPixmap pixmap = VRIX::loadDpiScaledPixmap(path->m_string);
            setIcon(QIcon(pixmap));
            if (!pixmap.isNull())
                setIconSize(pixmap.size() / pixmap.devicePixelRatio());
        }
        return;
    case BTNSetLabelMsg:
        if (auto* label = dynamic_cast<QtStringMessage*>(msg))
            setLabel(label->m_string);
        return;
    case BTNSetMenuMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            auto* menu = dynamic_cast<QMenu*>(GuiApplication::findWidget(handle->m_handle));
            setMenu(menu);
        }
        return;
    case SetEnableMsg:
        if (m_isApply) {
            QScopedValueRollback<bool> programmatic(m_programmaticEnable, true);
            GuiCommonMessages::handle(GuiCommonMessages::Button, this, this, type, msg);
            return;
        }
        break;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Button, this, this, type, msg);
}
