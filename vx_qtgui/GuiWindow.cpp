#include "vx_qtgui/GuiWindow.h"

#include "engine/VXEventMouse.h"
#include "engine/VXWindow.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/DpiScaling.h"
#include "vrix/vxim/Connect.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiConversions.h"
#include "vx_qtgui/GuiPlacement.h"
#include "vx_qtgui/GuiUtil.h"

#include <QCloseEvent>
#include <QIcon>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPixmap>
#include <QStatusBar>
#include <QToolBar>

#include <cmath>
#include <cstdlib>

namespace {

// Full-screen button hint: a main window never takes a full-screen space of its own.
constexpr unsigned kNoFullscreenButton = 0x7fffffffu;

QString titleOf(const QtMessage* msg)
{
    const auto* text = dynamic_cast<const QtStringMessage*>(msg);
    return text ? text->m_string : QString();
}

} // namespace

GuiWindow::GuiWindow(void* key, QWidget* parent, Qt::WindowFlags flags)
    : QMainWindow(parent, Qt::WindowFlags(unsigned(flags) & kNoFullscreenButton))
    , GuiWidget(key)
{
    // Qt adds the full-screen hint to a plain window's flags while it is built, and adds it again
    // unless the hints are marked as chosen.
    if (windowFlags().testFlag(Qt::WindowFullscreenButtonHint))
        setWindowFlags((windowFlags() | Qt::CustomizeWindowHint) & ~Qt::WindowFullscreenButtonHint);
    GuiApplication::putWidget(key, this);
    GuiUtil::createZoomShortCutList(this, SLOT(increaseFontSize()), SLOT(decreaseFontSize()));
    connectProxy();
}

GuiWindow::~GuiWindow()
{
    VXIM::Listener::disconnect();
}

void GuiWindow::connectProxy()
{
    VXWindow* proxy = VXObject::liveAs<VXWindow>(m_peerKey);
    if (!proxy)
        return;
    const VXIM::Thread gui = VXIM::Thread::getCurrentThread();
    VXIM::connect(proxy->setIconEmitter, this, &GuiWindow::vxSetIcon, gui);
    VXIM::connect(proxy->showStatusBarEmitter, this, &GuiWindow::vxShowStatusBar, gui);
    VXIM::connect(proxy->setStateEmitter, this, &GuiWindow::vxSetState, gui);
    VXIM::connect(proxy->setBackgroundColorEmitter, this, &GuiWindow::vxSetBGColor, gui);
    VXIM::connect(
        proxy->showStatusBarMessageEmitter, this, &GuiWindow::vxShowStatusBarMessage, gui);
    VXIM::connect(proxy->getStateEmitter, this, &GuiWindow::vxGetState, gui);
}

void GuiWindow::vxSetIcon(const std::string& path)
{
    setWindowIcon(QIcon(QString::fromLocal8Bit(path.c_str())));
}

void GuiWindow::vxShowStatusBar(bool show)
{
    statusBar()->setVisible(show);
}

void GuiWindow::vxSetState(const std::string& state)
{
    int values[4] = { 0, 0, 0, 0 };
    std::size_t at = 0;
    for (int& value : values) {
        const std::size_t comma = state.find(',', at);
        if (comma == std::string::npos)
            return;
        value = std::atoi(state.substr(at, comma - at).c_str());
        at = comma + 1;
    }
    move(values[0], values[1]);
    resize(values[2], values[3]);
    restoreState(QByteArray(state.data() + at, int(state.size() - at)), 0);
}

std::string GuiWindow::vxGetState()
{
    const QString head
        = QStringLiteral("%1,%2,%3,%4,").arg(x()).arg(y()).arg(width()).arg(height());
    std::string state = head.toStdString();
    const QByteArray tools = saveState(0);
    state.append(tools.constData(), std::size_t(tools.size()));
    return state;
}

void GuiWindow::vxSetBGColor(const VRIX::Color& color)
{
    QPalette palette = this->palette();
    const QBrush brush(QColor(color.redByte(), color.greenByte(), color.blueByte()));
    for (QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive, QPalette::Disabled })
        palette.setBrush(group, backgroundRole(), brush);
    setPalette(palette);
}

void GuiWindow::vxShowStatusBarMessage(const std::string& text)
{
    if (text.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(QString::fromLocal8Bit(text.c_str()));
}

void GuiWindow::addToolBarWidget(QToolBar* toolBar)
{
    if (toolBar)
        addToolBar(toolBar);
}

void GuiWindow::setMenuBarWidget(QMenuBar* menuBar)
{
    if (menuBar)
        setMenuBar(menuBar);
}

void GuiWindow::closeEvent(QCloseEvent* event)
{
    GuiCommonMessages::postEvent(m_peerKey, WNDCloseEvent);
    QMainWindow::closeEvent(event);
}

void GuiWindow::mouseMoveEvent(QMouseEvent* event)
{
    if (event) {
        const QPointF at = event->localPos();
        (new VXEventMouse(MouseMoveEvent, static_cast<VXWidget*>(m_peerKey),
             int(std::lround(at.x())), int(std::lround(at.y()))))
            ->doEvent();
    }
    QMainWindow::mouseMoveEvent(event);
}

void GuiWindow::increaseFontSize()
{
    GuiCommonMessages::postEvent(m_peerKey, FontIncreaseEvent);
}

void GuiWindow::decreaseFontSize()
{
    GuiCommonMessages::postEvent(m_peerKey, FontDecreaseEvent);
}

void GuiWindow::setFrameGeometry(const QRect& frame)
{
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const QMargins margins(inner.left() - outer.left(), inner.top() - outer.top(),
        outer.right() - inner.right(), outer.bottom() - inner.bottom());
    setGeometry(frame.marginsRemoved(margins));
}

void GuiWindow::showAndRaise()
{
    // The macOS build also keeps the window out of full-screen spaces here; elsewhere there is
    // no native collection behaviour to change.
    show();
    activateWindow();
    raise();
}

void GuiWindow::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case WNDCreateMsg:
        setWindowIcon(QIcon(QPixmap(GuiUtil::installationPath(QStringLiteral(
                                        "toolbox/shared/orvidesk/resources/VelmarIcon.png")),
            "PNG")));
        setAttribute(Qt::WA_DeleteOnClose, false);
        return;
    case WNDGetPositionMsg: {
        const QRect frame = VRIX::fromDpiScaled(frameGeometry());
        auto* reply = new QtRectMessage(nullptr, type);
        reply->setRect(frame.x(), frame.y(), frame.width(), frame.height());
        msg->setReturnMsg(reply);
        return;
    }
    case WNDGetTitleMsg:
    case WNDGetTitleUMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, windowTitle()));
        return;
    case WNDHasFocusMsg:
        GuiCommonMessages::setResult(msg, isActiveWindow() ? 1 : 0);
        return;
    case WNDSetAlwaysOnTopMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg)) {
            const bool wasVisible = isVisible();
            setWindowFlag(Qt::WindowStaysOnTopHint, flag->m_bool);
            if (wasVisible)
                show();
        }
        return;
    case WNDSetCentralWidgetMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            auto* central = dynamic_cast<QWidget*>(GuiApplication::findWidget(handle->m_handle));
            if (GuiPlacement::mayHoldWidget(this, central, type))
                setCentralWidget(central);
        }
        return;
    case WNDSetPositionMsg:
        if (auto* rect = dynamic_cast<QtRectMessage*>(msg))
            setFrameGeometry(VRIX::toDpiScaled(hostRect(*rect)));
        return;
    case WNDSetTitleMsg:
    case WNDSetTitleUMsg:
        setWindowIconText(titleOf(msg));
        setWindowTitle(titleOf(msg));
        return;
    case ShowMsg:
        showAndRaise();
        return;
    case HideMsg:
        hide();
        return;
    default:
        return;
    }
}
