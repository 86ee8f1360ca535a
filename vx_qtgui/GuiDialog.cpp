#include "vx_qtgui/GuiDialog.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiConversions.h"
#include "vx_qtgui/GuiTransientEventFilter.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/VXIMReentrancyProtector.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QShortcut>
#include <QTimerEvent>

namespace {

// Minimise, maximise, customise and close-button hints: the dialog decides these itself.
constexpr unsigned kButtonHintsCleared = 0xf5ff3fffu;
// Customise and close button: every dialog can be closed from its title bar.
constexpr unsigned kAlwaysCloseable = 0x0a000000u;
constexpr int kResizeSettleMs = 50;

Qt::WindowFlags dialogFlags(Qt::WindowFlags flags)
{
    return (flags & ~Qt::WindowFlags(Qt::Dialog)) | Qt::Window;
}

void replyRect(QtMessage* msg, VXMessageType type, const QRect& rect)
{
    const QRect unscaled = VRIX::fromDpiScaled(rect);
    auto* reply = new QtRectMessage(nullptr, type);
    reply->setRect(unscaled.x(), unscaled.y(), unscaled.width(), unscaled.height());
    msg->setReturnMsg(reply);
}

bool rectOf(const QtMessage* msg, QRect& rect)
{
    const auto* given = dynamic_cast<const QtRectMessage*>(msg);
    if (!given)
        return false;
    rect = VRIX::toDpiScaled(hostRect(*given));
    return true;
}

} // namespace

GuiDialog::GuiDialog(void* key, QWidget* parent, Qt::WindowFlags flags)
    : QDialog(parent, dialogFlags(flags))
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    setWindowFlags(Qt::WindowFlags(unsigned(windowFlags()) & kButtonHintsCleared) | flags
        | Qt::WindowFlags(kAlwaysCloseable));
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    GuiUtil::createZoomShortCutList(this, SLOT(increaseFontSize()), SLOT(decreaseFontSize()));
    m_closeShortcut = new QShortcut(
        QKeySequence(Qt::Key_Escape), this, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(m_closeShortcut, &QShortcut::activated, this, &GuiDialog::closeDialog);
}

GuiDialog::~GuiDialog()
{
    removeTransientFilter();
}

bool GuiDialog::isEscapeEnabled() const
{
    return m_closeShortcut && m_closeShortcut->isEnabled();
}

void GuiDialog::applyCloseDialog()
{
    GuiCommonMessages::postEvent(m_peerKey, DLGApplyCloseEvent);
}

void GuiDialog::closeDialog()
{
    if (m_transient)
        removeTransientFilter();
    GuiCommonMessages::postEvent(m_peerKey, DLGCloseEvent, 1, false);
}

void GuiDialog::closeEvent(QCloseEvent* event)
{
    if (m_transient)
        removeTransientFilter();
    // The state marks a close by the window button rather than by Escape.
    GuiCommonMessages::postEvent(m_peerKey, DLGCloseEvent, 0, true);
    QDialog::closeEvent(event);
}

void GuiDialog::keyPressEvent(QKeyEvent* event)
{
    // QDialog would reject and hide on Escape; with the shortcut disabled Escape does nothing.
    if (event && event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void GuiDialog::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (!m_monitorResize || !event || !event->spontaneous())
        return;
    if (m_resizeTimerId != -1)
        killTimer(m_resizeTimerId);
    m_resizeTimerId = startTimer(kResizeSettleMs, Qt::CoarseTimer);
}

void GuiDialog::timerEvent(QTimerEvent* event)
{
    if (!event || event->timerId() != m_resizeTimerId) {
        QDialog::timerEvent(event);
        return;
    }
    killTimer(m_resizeTimerId);
    m_resizeTimerId = -1;
    GuiCommonMessages::postEvent(m_peerKey, DLGResizeEvent);
}

void GuiDialog::increaseFontSize()
{
    GuiCommonMessages::postEvent(m_peerKey, FontIncreaseEvent);
}

void GuiDialog::decreaseFontSize()
{
    GuiCommonMessages::postEvent(m_peerKey, FontDecreaseEvent);
}

void GuiDialog::removeTransientFilter()
{
    if (m_transientFilter)
        removeEventFilter(m_transientFilter.get());
}

void GuiDialog::setTransient(bool transient, bool frameless)
{
    m_transient = transient;
    if (!m_transientFilter)
        m_transientFilter = std::make_unique<GuiTransientEventFilter>(this);
    if (!transient) {
        removeTransientFilter();
        return;
    }
    const bool wasVisible = isVisible();
    if (frameless)
        setWindowFlags(Qt::FramelessWindowHint);
    else
        setWindowFlags(windowFlags() & ~Qt::WindowMinimizeButtonHint);
    // Changing the flags hides a shown window; it stays where the host had it.
    if (wasVisible)
        show();
    installEventFilter(m_transientFilter.get());
}

void GuiDialog::setFrameGeometry(const QRect& frame)
{
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    setGeometry(frame.marginsRemoved(margins));
}

void GuiDialog::showAndRaise()
{
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    activateWindow();
    raise();
    fixCocoaWindow();
}

void GuiDialog::fixCocoaWindow()
{
    // Only the macOS build has native window settings to adjust; elsewhere there is nothing.
}

void GuiDialog::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    QRect rect;
    switch (type) {
    case SyncDiagnosticEchoMsg:
        GuiCommonMessages::setResult(msg, 1);
        return;
    case AsyncDiagnosticEchoMsg:
        GuiCommonMessages::postEvent(m_peerKey, AsyncDiagnosticEchoEvent);
        return;
    case DLGCreateMsg: {
        setWindowIcon(QIcon(GuiUtil::installationPath(
            QStringLiteral("toolbox/shared/orvidesk/resources/BrantolyModelIcon_24.png"))));
        QSizePolicy policy = sizePolicy();
        policy.setControlType(QSizePolicy::DefaultType);
        setSizePolicy(policy);
        return;
    }
    case DLGGetTitleMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, windowTitle()));
        return;
    case DLGMonitorResizeMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            m_monitorResize = flag->m_bool;
        return;
    case DLGMoveMsg:
        if (auto* at = dynamic_cast<QtInt5Message*>(msg))
            move(VRIX::toDpiScaled(QPoint(at->m_int1, at->m_int2)));
        return;
    case DLGRefreshSizeMsg: {
        {
            VXIMReentrancyProtector protector;
            QCoreApplication::processEvents();
        }
        if (QLayout* own = layout()) {
            for (int i = 0; i < own->count(); ++i) {
                if (QWidget* child = own->itemAt(i) ? own->itemAt(i)->widget() : nullptr)
                    child->updateGeometry();
            }
            own->activate();
        }
        adjustSize();
        return;
    }
    case DLGSendKeyAccelMsg:
        if (auto* accel = dynamic_cast<QtIntMessage*>(msg)) {
            if (accel->m_int >= 0 && accel->m_int <= 2)
                increaseFontSize();
            else if (accel->m_int == 3 || accel->m_int == 4)
                decreaseFontSize();
            else if (accel->m_int == 5)
                closeDialog();
        }
        return;
    case DLGSetIconMsg:
        if (auto* path = dynamic_cast<QtStringMessage*>(msg))
            setWindowIcon(QIcon(path->m_string));
        return;
    case DLGSetModalMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setModal(flag->m_bool);
        return;
    case DLGSetTitleMsg:
        if (auto* title = dynamic_cast<QtStringMessage*>(msg)) {
            m_title = title->m_string;
            setWindowIconText(m_title.simplified());
            setWindowTitle(m_title.simplified());
        }
        return;
    case DLGIsVisibleMsg:
        GuiCommonMessages::setResult(msg, isVisible() ? 1 : 0);
        return;
    case DLGIsMaximizedMsg:
        GuiCommonMessages::setResult(msg, isMaximized() ? 1 : 0);
        return;
    case DLGIsMinimizedMsg:
        GuiCommonMessages::setResult(msg, isMinimized() ? 1 : 0);
        return;
    case DLSetWindowFramelessMsg:
    case DLSetWindowTransientMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setTransient(flag->m_bool, type == DLSetWindowFramelessMsg);
        return;
    case DLIsWindowFramelessMsg:
        GuiCommonMessages::setResult(msg, windowFlags().testFlag(Qt::FramelessWindowHint) ? 1 : 0);
        return;
    case DLIsWindowTransientMsg:
        GuiCommonMessages::setResult(msg, m_transient ? 1 : 0);
        return;
    case DLGIgnoreESCMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg); flag && m_closeShortcut)
            m_closeShortcut->setEnabled(!flag->m_bool);
        return;
    case GetClientGeometryMsg:
        replyRect(msg, type, geometry());
        return;
    case GetGeometryMsg:
        replyRect(msg, type, frameGeometry());
        return;
    case SetClientGeometryMsg:
        if (rectOf(msg, rect))
            setGeometry(rect);
        return;
    case SetGeometryMsg:
        if (rectOf(msg, rect))
            setFrameGeometry(rect);
        return;
    case ShowMinimizedMsg:
        showMinimized();
        return;
    case ShowMaximizedMsg:
        showMaximized();
        return;
    case ShowMsg:
        showAndRaise();
        return;
    case ShowNormalMsg:
        showNormal();
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::Dialog, this, this, type, msg);
        return;
    }
}
