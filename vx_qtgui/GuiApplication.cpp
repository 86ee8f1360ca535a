#include "vx_qtgui/GuiApplication.h"

#include "engine/VXDebugOutputLogging.h"
#include "messaging/QtConvertQPixmapToQImage.h"
#include "messaging/QtIntMessage.h"
#include "vrix/SanitizerAnnotations.h"
#include "messaging/SyncMsgControl.h"
#include "messaging/QtBridge.h"
#include "vx_qtgui/MessageBoxManager.h"
#include "vrix/vxim/Connect.h"
#include "vrix/vxim/Thread.h"
#include "vx_qtgui/GuiCreationRoute.h"
#include "vx_qtgui/GuiObject.h"
#include "vx_qtgui/GuiThread.h"
#include "vx_qtgui/GuiThreadTickle.h"
#include "vx_qtgui/GuiWidget.h"

#include <QImage>
#include <QMainWindow>
#include <QPixmap>
#include <QWidget>

#include <exception>

namespace {

constexpr int kWakeUpEventType = VXMessageEventBase + VXIMProcessEventsMsg;

// Completes a synchronous sender however the handling ends.
class AutoCompleteSend {
public:
    explicit AutoCompleteSend(SyncMsgControl* control)
        : m_control(control)
    {
    }
    ~AutoCompleteSend()
    {
        if (m_control)
            m_control->setDone();
    }
    AutoCompleteSend(const AutoCompleteSend&) = delete;
    AutoCompleteSend& operator=(const AutoCompleteSend&) = delete;

private:
    SyncMsgControl* const m_control;
};

void traceProblem(const char* label, const char* what, const QtMessage& msg)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    const QString line
        = QString::asprintf("%s - %d %s: %s\n", label, static_cast<int>(msg.messageType()),
            VXDebugOutputLogging::messageNameOrUnknown(msg.messageType()), what ? what : "");
    VXDebugOutputLogging::output(line.toLocal8Bit().constData());
}

void traceFailure(const char* what, const QtMessage& msg)
{
    traceProblem("VRIXOneMessage failed", what, msg);
}

// A message nobody handles leaves a trace, so a lost operation can be told from a slow one.
void traceDrop(const char* why, const QtMessage& msg)
{
    traceProblem("VRIXOneMessage dropped message", why, msg);
}

bool isInCatalogue(VXMessageType type)
{
    return type >= SyncDiagnosticEchoMsg && type <= SSIsInViewMsg;
}

} // namespace

GuiApplication::GuiApplication(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_pendingTickles(0)
    , m_reentrancyProtected(false)
    , m_applicationActivated(VXIM::QueuedSend)
    , m_idRegistry(11)
{
    m_idRegistry.max_load_factor(1.0f);
    setQuitOnLastWindowClosed(false);
    if (GuiThread* thread = QtBridge::m_thread)
        VXIM::connect(thread->messageEmitter(), this, &GuiApplication::VRIXOneMessage,
            VXIM::Thread::getCurrentThread());
}

GuiApplication::~GuiApplication()
{
    VXIM::Listener::disconnect();
    deleteRemainingWidgets();
    m_pointerRegistry.clear();
    m_idRegistry.clear();
}

GuiApplication* GuiApplication::current()
{
    if (GuiThread* thread = QtBridge::m_thread)
        return thread->getApplication();
    return qobject_cast<GuiApplication*>(QCoreApplication::instance());
}

void GuiApplication::putWidget(void* key, GuiObject* object)
{
    GuiApplication* app = current();
    if (app && key && object)
        app->m_pointerRegistry.insert(key, object);
}

void GuiApplication::putWidget(unsigned id, GuiObject* object)
{
    GuiApplication* app = current();
    if (app && object)
        app->m_idRegistry.emplace(id, object);
}

GuiObject* GuiApplication::getWidget(unsigned id)
{
    GuiApplication* app = current();
    if (!app)
        return nullptr;
    const auto it = app->m_idRegistry.find(id);
    return it == app->m_idRegistry.end() ? nullptr : it->second;
}

GuiObject* GuiApplication::findWidget(void* key)
{
    GuiApplication* app = current();
    return app ? app->m_pointerRegistry.value(key, nullptr) : nullptr;
}

void GuiApplication::removeWidget(void* key, const GuiObject* object)
{
    GuiApplication* app = current();
    if (!app)
        return;
    const auto it = app->m_pointerRegistry.find(key);
    if (it != app->m_pointerRegistry.end() && it.value() == object)
        app->m_pointerRegistry.erase(it);
}

void GuiApplication::removeObject(unsigned id)
{
    if (GuiApplication* app = current())
        app->m_idRegistry.erase(id);
}

int GuiApplication::widgetCount()
{
    GuiApplication* app = current();
    return app ? app->m_pointerRegistry.size() + static_cast<int>(app->m_idRegistry.size()) : 0;
}

void GuiApplication::VRIXOneMessage(QtMessageHolder msg)
{
    if (!msg)
        return;
    const AutoCompleteSend complete(msg->m_syncControl);
    msg->debugOutput("VRIXOneMessage process message", true);
    // Nothing thrown by a handler may reach the messaging core or Qt.
    try {
        dispatch(*msg);
    } catch (const std::exception& e) {
        traceFailure(e.what(), *msg);
    } catch (...) {
        traceFailure("unknown exception", *msg);
    }
}

void GuiApplication::dispatch(QtMessage& msg)
{
    const VXMessageType type = msg.messageType();
    // No handler knows such an id, and no widget may read a payload for it.
    if (!isInCatalogue(type)) {
        traceDrop("id outside the catalogue", msg);
        return;
    }
    if (GuiCreationRoute::find(type)) {
        createObject(msg);
        return;
    }
    switch (type) {
    case DestroyWidgetMsg:
        destroyWidget(msg);
        return;
    case GenerateAssertionMsg:
    case GenerateSEGVMsg:
    case VXIMProcessEventsMsg:
        return;
    case IMGetWidgetCountMsg:
        if (msg.m_syncControl)
            msg.m_syncControl->m_returnValue = widgetCount();
        return;
    case QuitMsg:
        closeAllWindows();
        quit();
        return;
    case MSGBOXCreateErrMsg:
    case MSGBOXCreateInfoMsg:
    case MSGBOXCreateWarnMsg:
    case MSGBOXCloseMsgBoxMsg:
    case MSGBOXCreateModalAlertMsg:
    case MSGBOXCreateModalAlertUMsg:
    case MSGBOXGetNumOfOpenMsgBoxMsg:
        messageBoxMessage(type, msg);
        return;
    case ConvertQPixmapToQImageMsg:
        convertPixmap(msg);
        return;
    default:
        break;
    }
    // A target without an entry (never created, or gone) drops the message.
    if (auto* widget = dynamic_cast<GuiWidget*>(m_pointerRegistry.value(msg.m_target, nullptr)))
        widget->vxMessageNotify(type, &msg);
    else
        traceDrop(msg.m_target ? "no widget for the target" : "no target", msg);
}

void GuiApplication::createObject(QtMessage& msg)
{
    const GuiCreationRoute::Entry* entry = GuiCreationRoute::find(msg.messageType());
    // Without a key the new object would be registered and owned by nobody.
    if (!entry || !entry->create || !msg.m_target) {
        traceDrop("creation without a target", msg);
        return;
    }
    QWidget* parent = nullptr;
    if (entry->parent != GuiCreationRoute::NoParent) {
        GuiObject* registered
            = m_pointerRegistry.value(GuiCreationRoute::payloadHandle(msg), nullptr);
        parent = dynamic_cast<QWidget*>(registered);
        if (entry->parent == GuiCreationRoute::MainWindowParent
            && !qobject_cast<QMainWindow*>(parent))
            parent = nullptr;
    }
    GuiObject* created = entry->create(msg.m_target, msg, parent);
    if (!created) {
        traceDrop("payload does not fit the id", msg);
        return;
    }
    if (entry->notify)
        created->vxMessageNotify(msg.messageType(), &msg);
    if (entry->finish)
        entry->finish(created, parent);
    if (parent && entry->updateParent)
        parent->update();
}

void GuiApplication::destroyWidget(QtMessage& msg)
{
    auto* widget = dynamic_cast<GuiWidget*>(m_pointerRegistry.value(msg.m_target, nullptr));
    if (!widget) {
        traceDrop(msg.m_target ? "no widget for the target" : "no target", msg);
        return;
    }
    auto* qwidget = dynamic_cast<QWidget*>(widget);
    if (qwidget && qwidget->isModal()) {
        // A modal widget may be running its own loop below us: close it, delete it later.
        qwidget->close();
        qwidget->deleteLater();
        return;
    }
    delete widget;
}

void GuiApplication::convertPixmap(QtMessage& msg)
{
    auto* conversion = dynamic_cast<QtConvertQPixmapToQImage*>(&msg);
    if (!conversion || !conversion->m_pixmap) {
        traceDrop(conversion ? "no source pixmap" : "payload does not fit the id", msg);
        return;
    }
    QImage image = conversion->m_pixmap->toImage();
    conversion->setImage(image);
}

void GuiApplication::messageBoxMessage(VXMessageType type, QtMessage& msg)
{
    MessageBoxManager::Instance()->handleMessage(type, msg);
}

void GuiApplication::deleteRemainingWidgets()
{
    // Top-level objects still registered go with the application; their children go with
    // them and unregister themselves, so each candidate is checked again before deletion.
    const QList<GuiObject*> remaining = m_pointerRegistry.values();
    for (GuiObject* object : remaining) {
        bool stillRegistered = false;
        for (auto it = m_pointerRegistry.cbegin(); it != m_pointerRegistry.cend(); ++it)
            stillRegistered = stillRegistered || it.value() == object;
        if (!stillRegistered)
            continue;
        auto* qobject = dynamic_cast<QObject*>(object);
        if (qobject && qobject->parent())
            continue;
        delete object;
    }
}

bool GuiApplication::event(QEvent* e)
{
    // Wake-up events are built on other threads and reach us through Qt's queue.
    vxTsanAcquire(e);
    if (e->type() == QEvent::ApplicationActivate) {
        m_applicationActivated();
        return QApplication::event(e);
    }
    if (e->type() >= QEvent::User) {
        VXIMMessage(e);
        return true;
    }
    return QApplication::event(e);
}

void GuiApplication::VXIMMessage(QEvent* e)
{
    if (e->type() != kWakeUpEventType)
        return;
    ++m_pendingTickles;
    getTickleGuiCounterVXIM().testAndSet(1, 0);
    const VXIM::Thread thread = VXIM::Thread::getCurrentThread();
    // Inside a protected nested loop the wake-up is only counted; the outer pass serves it.
    if (m_reentrancyProtected && thread.processingMessages())
        return;
    while (m_pendingTickles > 0) {
        try {
            thread.processCurrentQueue();
        } catch (...) {
            // Packets left behind by a failing slot need a wake-up of their own.
            tickleGuiThreadVXIM();
        }
        // A nested pass of an unprotected handler may already have served this count.
        if (m_pendingTickles > 0)
            --m_pendingTickles;
    }
}

void GuiApplication::qtMessageOutput(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    VXDebugOutputLogging::qtMessage(static_cast<int>(type), text.toLocal8Bit().constData());
}
