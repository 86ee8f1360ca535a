#include "vx_qtgui/GuiApplication.h"

#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "engine/VXDebugOutputLogging.h"
#include "engine/VXEvent.h"
#include "engine/VXObject.h"
#include "engine/VXWidget.h"
#include "messaging/QtBridge.h"
#include "messaging/QtConvertQPixmapToQImage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/SyncMsgControl.h"
#include "messaging/VXMessageCatalogue.h"
#include "vrix/DpiScaling.h"
#include "vrix/SanitizerAnnotations.h"
#include "vrix/services/ApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"
#include "vrix/vxim/Connect.h"
#include "vrix/vxim/Thread.h"
#include "vx_qtgui/CustomizedStyle.h"
#include "vx_qtgui/GuiConversions.h"
#include "vx_qtgui/GuiCreationRoute.h"
#include "vx_qtgui/GuiEventTypes.h"
#include "vx_qtgui/GuiObject.h"
#include "vx_qtgui/GuiThread.h"
#include "vx_qtgui/GuiThreadTickle.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/GuiWidget.h"
#include "vx_qtgui/MessageBoxManager.h"
#include "vx_qtgui/OurMacStyle.h"

#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QGestureRecognizer>
#include <QImage>
#include <QListView>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPixmap>
#include <QPrinter>
#include <QScreen>
#include <QTextCodec>
#include <QThread>
#include <QToolTip>
#include <QTransform>
#include <QTranslator>
#include <QWidget>
#include <QWindow>

#include <clocale>
#include <cmath>
#include <exception>
#include <iterator>

namespace {

// Events raised in one handler are queued first and the engine thread is woken once, when
// the handler is done, rather than once per event while it runs beside the GUI thread.
bool deferToEventLoop(void (*flush)())
{
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;
    QMetaObject::invokeMethod(
        app, [flush] { flush(); }, Qt::QueuedConnection);
    return true;
}

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

// The last component of the translation directory names the platform of the build.
#if defined(Q_OS_MACOS)
const char* const kPlatformDirectory = "macq64";
#elif defined(Q_OS_WIN)
const char* const kPlatformDirectory = "win64";
#else
const char* const kPlatformDirectory = "lnx64";
#endif

// Widget classes that take the default font rather than the platform's per-class choice.
const char* const kDefaultFontClasses[]
    = { "QPushButton", "QListView", "QListBox", "QTitleBar", "QMenuBar", "QMenu", "QComboMenuItem",
          "QHeaderView", "QLabel", "QToolButton", "QMenuItem", "QComboLineEdit" };

VXServices::ApplicationContext* applicationContext()
{
    return VXServices::VXService<VXServices::ApplicationContext>::get();
}

// The host process's message locale ("C" until the host sets one).
QString hostLocaleName()
{
    const char* name = std::setlocale(LC_MESSAGES, nullptr);
    return QString::fromLocal8Bit(name ? name : "C");
}

QPoint toDevicePixels(const VRIX::VXPoint<int>& point)
{
    return QPoint(VRIX::toDpiScaled(point.x()), VRIX::toDpiScaled(point.y()));
}

VRIX::VXRect<int> fromDevicePixels(const QRect& rect)
{
    const QRect r = VRIX::fromDpiScaled(rect);
    return VRIX::VXRect<int>(r.left(), r.top(), r.right() - r.left() + 1, r.bottom() - r.top() + 1);
}

// The index of `screen` in Qt's list; -1 for none.
int screenIndex(QScreen* screen)
{
    return screen ? QGuiApplication::screens().indexOf(screen) : -1;
}

// Screen `index`, the primary screen for an index out of range (as desktops always answered).
QScreen* screenOfIndex(int index)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    if (index >= 0 && index < screens.size())
        return screens.at(index);
    return QGuiApplication::primaryScreen();
}

QString toQString(const std::u16string& s)
{
    return GuiUtil::toQString(s);
}

// A name beside `path` that no file has yet: "photo.png" gives "photo_1.png", "photo_2.png", ...
QString newImageFileName(const QString& path)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const QString stem = info.dir().filePath(info.completeBaseName());
    for (int n = 1;; ++n) {
        QString candidate = QStringLiteral("%1_%2").arg(stem).arg(n);
        if (!suffix.isEmpty())
            candidate += QLatin1Char('.') + suffix;
        if (!QFileInfo::exists(candidate))
            return candidate;
    }
}

// Saves a picture of `window` as it is on screen. Platforms that cannot grab the screen (such
// as the offscreen one) get the window rendered instead.
bool captureWindow(QWidget* window, const QString& path)
{
    if (!window)
        return false;
    const QRect frame = window->frameGeometry();
    QScreen* screen = window->windowHandle() ? window->windowHandle()->screen() : nullptr;
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    QPixmap picture;
    if (screen)
        picture = screen->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height());
    if (picture.isNull())
        picture = window->grab();
    return picture.save(path);
}

} // namespace

GuiApplication::GuiApplication(int& argc, char** argv)
    : QApplication(argc, argv, 0x050300)
    , m_pendingTickles(0)
    , m_reentrancyProtected(false)
    , m_applicationActivated(VXIM::QueuedSend)
    , m_idRegistry(11)
{
    m_idRegistry.max_load_factor(1.0f);
    MessageBoxManager::Instance();
    setupApplicationStyle();
    setupLocale();
    setQuitOnLastWindowClosed(false);
    const VXIM::Thread guiThread = VXIM::Thread::getCurrentThread();
    if (auto* thread = static_cast<GuiThread*>(QtBridge::m_thread))
        VXIM::connect(thread->messageEmitter(), this, &GuiApplication::VRIXOneMessage, guiThread);
    // The bridge exists before the GUI thread starts, but is registered under its name only
    // after this constructor has returned.
    if (VXBridge* bridge = VXBridge::existingBridge())
        connectServices(*bridge);
    VXEvent::setWakeDeferral(&deferToEventLoop);
    setupFontsAndGestures();
    installTranslations();
    QFontDatabase fontDatabase; // populates the font database now rather than at first use
    installCocoaWindowNotificationObserver();
    if (svIsDisplayAvailable())
        desktop();
    // Loads the print support once up front, where it cannot stall a user's first print.
    {
        const QPrinter printer(QPrinter::ScreenResolution);
    }
}

GuiApplication::~GuiApplication()
{
    VXEvent::setWakeDeferral(nullptr);
    VXIM::Listener::disconnect();
    deleteRemainingWidgets();
    if (m_translator) {
        removeTranslator(m_translator);
        delete m_translator;
        m_translator = nullptr;
    }
    m_pointerRegistry.clear();
    m_idRegistry.clear();
    m_keptById.clear();
}

void GuiApplication::setupApplicationStyle()
{
    QStyle* current = style();
    if (!current)
        return;
    if (current->inherits("QFusionStyle")) {
        TabCustomize::ensureBaseStyle(QStringLiteral("fusion"));
        setStyle(new CustomizedStyle(QStringLiteral("fusion")));
    } else if (current->inherits("QMacStyle")) {
        setStyle(new OurMacStyle);
    } else if (current->inherits("QWindowsStyle")) {
        TabCustomize::ensureBaseStyle(QStringLiteral("windows"));
        setStyle(new PlainPolicyStyle(QStringLiteral("windows")));
    }
}

void GuiApplication::setupLocale()
{
    if (VXServices::ApplicationContext* context = applicationContext()) {
        const char* encoding = context->getCharacterEncoding();
        if (encoding && qstrcmp(encoding, "Shift_JIS") == 0) {
            if (QTextCodec* codec = QTextCodec::codecForName("Shift-JIS"))
                QTextCodec::setCodecForLocale(codec);
        }
    }
    QLocale::setDefault(QLocale(hostLocaleName()));
}

void GuiApplication::connectServices(VXBridge& bridge)
{
    const VXIM::Thread here = VXIM::Thread::getCurrentThread();
    VXIM::connect(bridge.m_getNumScreens, this, &GuiApplication::getNumScreens, here);
    VXIM::connect(bridge.m_getPrimaryScreen, this, &GuiApplication::getPrimaryScreen, here);
    VXIM::connect(
        bridge.m_getScreenNumberOfPoint, this, &GuiApplication::getScreenNumberOfPoint, here);
    VXIM::connect(
        bridge.m_getScreenNumberOfWidget, this, &GuiApplication::getScreenNumberOfWidget, here);
    VXIM::connect(bridge.m_getScreenGeometry, this, &GuiApplication::getScreenGeometry, here);
    VXIM::connect(bridge.m_getAvailableGeometryOfScreen, this,
        &GuiApplication::getAvailableGeometryOfScreen, here);
    VXIM::connect(bridge.m_getAvailableGeometryOfPoint, this,
        &GuiApplication::getAvailableGeometryOfPoint, here);
    VXIM::connect(bridge.m_getScreenWidth, this, &GuiApplication::getScreenWidth, here);
    VXIM::connect(bridge.m_getScreenHeight, this, &GuiApplication::getScreenHeight, here);
    VXIM::connect(bridge.m_getTopLevelWidgetAt, this, &GuiApplication::getTopLevelWidgetAt, here);
    VXIM::connect(bridge.m_getStartDragDistance, this, &GuiApplication::getStartDragDistance, here);
    VXIM::connect(bridge.m_setStartDragDistance, this, &GuiApplication::setStartDragDistance, here);
    VXIM::connect(
        bridge.m_getDoubleClickInterval, this, &GuiApplication::getDoubleClickInterval, here);
    VXIM::connect(bridge.m_raiseWindowById, this, &GuiApplication::raiseWindowById, here);
    VXIM::connect(bridge.m_pickFont, this, &GuiApplication::pickFont, here);
    VXIM::connect(bridge.m_pickColor, this, &GuiApplication::pickColor, here);
    VXIM::connect(
        bridge.m_showTooltipAtPointForRect, this, &GuiApplication::showTooltipAtPointForRect, here);
    VXIM::connect(bridge.m_isTooltipVisible, this, &GuiApplication::isTooltipVisible, here);
    VXIM::connect(bridge.m_hideTooltip, this, &GuiApplication::hideTooltip, here);
    VXIM::connect(bridge.m_imageClipboard, this, &GuiApplication::imageClipboard, here);
    VXIM::connect(bridge.m_imageRotate, this, &GuiApplication::imageRotate, here);
    VXIM::connect(bridge.m_isValidImage, this, &GuiApplication::isValidImage, here);
    VXIM::connect(bridge.m_captureTopWindow, this, &GuiApplication::captureTopWindow, here);
    VXIM::connect(bridge.m_captureNamedWindow, this, &GuiApplication::captureNamedWindow, here);
}

void GuiApplication::setupFontsAndGestures()
{
    QGuiApplication::setDesktopSettingsAware(false);
    for (const char* className : kDefaultFontClasses)
        QApplication::setFont(QFont(), className);
    // Two-finger pans would otherwise reach every scroll area as gestures, not wheel events.
    QGestureRecognizer::unregisterRecognizer(Qt::PanGesture);
}

void GuiApplication::installTranslations()
{
    const QString directory = GuiUtil::installationPath(
        QStringLiteral("toolbox/shared/orvidesk/ja/") + QLatin1String(kPlatformDirectory));
    m_translator = new QTranslator;
    const QString locale = hostLocaleName();
    // The C locale has no translation to look for; a missing file leaves the texts as they are.
    if (locale != QLatin1String("C") && locale != QLatin1String("POSIX"))
        m_translator->load(QStringLiteral("qt_") + QLocale(locale).name(), directory);
    installTranslator(m_translator);
}

void GuiApplication::installCocoaWindowNotificationObserver()
{
    // Only the macOS build observes native windows; Qt tracks activation everywhere else.
}

int GuiApplication::OD_OK_EDIT_WIDGET_EVENT_TYPE()
{
    static const int type = QEvent::registerEventType(478);
    return type;
}

int GuiApplication::OD_CANCEL_EDIT_WIDGET_EVENT_TYPE()
{
    static const int type = QEvent::registerEventType(478);
    return type;
}

bool GuiApplication::notify(QObject* receiver, QEvent* e)
{
    // Wake-up events are built on other threads; this is the first of our code to read one.
    vxTsanAcquire(e);
    if (e && e->type() == QEvent::PolishRequest && !m_awaitingPolish.isEmpty())
        m_awaitingPolish.remove(receiver);
    passivelyFinishTextEditIfNeeded(receiver, e);
    return QApplication::notify(receiver, e);
}

void GuiApplication::passivelyFinishTextEditIfNeeded(QObject* receiver, QEvent* e)
{
    if (!receiver || !e)
        return;
    if (e->type() != QEvent::MouseButtonPress && e->type() != QEvent::MouseButtonDblClick)
        return;
    QWidget* focus = focusWidget();
    if (!focus || !receiver->isWidgetType())
        return;
    QWidget* start = qobject_cast<QMenu*>(receiver);
    if (!start) {
        const QPointF global = static_cast<QMouseEvent*>(e)->screenPos();
        start = widgetAt(global.toPoint());
    }
    for (QWidget* w = start; w; w = w->parentWidget()) {
        if (w == focus || qobject_cast<QMenu*>(w) || w->property("neverCancelsTextEdit").toBool())
            return;
    }
    QEvent done(static_cast<QEvent::Type>(VRIX::TextEditDoneEventType()));
    sendEvent(focus, &done);
}

int GuiApplication::getNumScreens()
{
    return QGuiApplication::screens().size();
}

int GuiApplication::getPrimaryScreen()
{
    return screenIndex(QGuiApplication::primaryScreen());
}

int GuiApplication::getScreenNumberOfPoint(const VRIX::VXPoint<int>& point)
{
    return screenIndex(QGuiApplication::screenAt(toDevicePixels(point)));
}

int GuiApplication::getScreenNumberOfWidget(const VXWidget* widget)
{
    auto* gui = dynamic_cast<QWidget*>(findWidget(const_cast<VXWidget*>(widget)));
    if (!gui)
        return getPrimaryScreen();
    const QWindow* window = gui->window()->windowHandle();
    QScreen* screen = window ? window->screen()
                             : QGuiApplication::screenAt(gui->mapToGlobal(gui->rect().center()));
    return screen ? screenIndex(screen) : getPrimaryScreen();
}

VRIX::VXRect<int> GuiApplication::getScreenGeometry(int screen)
{
    QScreen* s = screenOfIndex(screen);
    return s ? fromDevicePixels(s->geometry()) : VRIX::VXRect<int>();
}

VRIX::VXRect<int> GuiApplication::getAvailableGeometryOfScreen(int screen)
{
    QScreen* s = screenOfIndex(screen);
    return s ? fromDevicePixels(s->availableGeometry()) : VRIX::VXRect<int>();
}

VRIX::VXRect<int> GuiApplication::getAvailableGeometryOfPoint(const VRIX::VXPoint<int>& point)
{
    QScreen* s = QGuiApplication::screenAt(toDevicePixels(point));
    if (!s)
        s = QGuiApplication::primaryScreen();
    return s ? fromDevicePixels(s->availableGeometry()) : VRIX::VXRect<int>();
}

int GuiApplication::getScreenWidth(int screen)
{
    return getScreenGeometry(screen).width();
}

int GuiApplication::getScreenHeight(int screen)
{
    return getScreenGeometry(screen).height();
}

VXObject* GuiApplication::getTopLevelWidgetAt(const VRIX::VXPoint<int>& point)
{
    auto* object = dynamic_cast<GuiObject*>(topLevelAt(toDevicePixels(point)));
    if (!object)
        return nullptr;
    void* key = object->peerKey();
    // Only a registered widget speaks for a live proxy.
    if (!key || m_pointerRegistry.value(key, nullptr) != object)
        return nullptr;
    return static_cast<VXObject*>(key);
}

int GuiApplication::getStartDragDistance()
{
    return startDragDistance();
}

void GuiApplication::setStartDragDistance(int distance)
{
    QApplication::setStartDragDistance(distance);
}

int GuiApplication::getDoubleClickInterval()
{
    return doubleClickInterval();
}

void GuiApplication::raiseWindowById(long windowId)
{
    if (QWidget* window = QWidget::find(static_cast<WId>(windowId))) {
        window->raise();
        window->activateWindow();
    }
}

VRIX::Font GuiApplication::pickFont(const VRIX::Font& initial)
{
    QFont font = VRIX::toQFont(initial, 72.0);
    font.setFamily(QFontInfo(font).family());
    if (font.weight() <= QFont::Normal && font.style() == QFont::StyleNormal)
        font.setStyleName(QStringLiteral("Regular"));
    QFontDialog dialog(font, activeWindow());
    dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts);
    // Nine lines of each list, and no writing-system filter to hide fonts behind.
    if (auto* list = dialog.findChild<QListView*>())
        list->setMinimumHeight(9 * list->fontMetrics().lineSpacing());
    if (auto* box = dialog.findChild<QCheckBox*>())
        box->setEnabled(false);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    if (dialog.exec() != QDialog::Accepted)
        return VRIX::Font();
    return VRIX::toFont(dialog.selectedFont(), 72.0);
}

boost::optional<VRIX::Color> GuiApplication::pickColor(
    const VRIX::Color& initial, const std::string& title)
{
    const QColor start(
        initial.redByte(), initial.greenByte(), initial.blueByte(), initial.alphaByte());
    const QColor chosen
        = QColorDialog::getColor(start, activeWindow(), GuiUtil::convertToQString(title));
    if (!chosen.isValid())
        return boost::none;
    return VRIX::Color(chosen.red() / 255.0, chosen.green() / 255.0, chosen.blue() / 255.0,
        chosen.alpha() / 255.0);
}

void GuiApplication::showTooltipAtPointForRect(
    VRIX::VXPoint<int> point, VRIX::VXRect<double> rect, std::u16string text)
{
    const QPoint at(point.x(), point.y());
    QWidget* widget = widgetAt(at);
    if (!widget)
        return;
    const QPoint topLeft
        = widget->mapFromGlobal(QPoint(static_cast<int>(rect.x()), static_cast<int>(rect.y())));
    const QPoint bottomRight = widget->mapFromGlobal(QPoint(
        static_cast<int>(rect.x() + rect.width()), static_cast<int>(rect.y() + rect.height())));
    QToolTip::showText(at, toQString(text), widget, QRect(topLeft, bottomRight - QPoint(1, 1)));
}

bool GuiApplication::isTooltipVisible()
{
    return QToolTip::isVisible();
}

void GuiApplication::hideTooltip()
{
    QToolTip::showText(QPoint(0, 0), QString(), nullptr);
}

bool GuiApplication::imageClipboard(const std::u16string& path, VRIX::ClipboardOperation op)
{
    QClipboard* board = clipboard();
    switch (static_cast<int>(op)) {
    case 0:
        if (path.empty())
            return false;
        if (board)
            board->setImage(QImage(toQString(path)));
        return true;
    case 1: {
        const QMimeData* data = board ? board->mimeData() : nullptr;
        if (!data || !data->hasImage())
            return false;
        if (path.empty())
            return true;
        board->pixmap().save(toQString(path));
        return true;
    }
    default:
        return true;
    }
}

std::u16string GuiApplication::imageRotate(const std::u16string& path, VRIX::RotateOperation op)
{
    const QString file = toQString(path);
    QImage image(file);
    if (image.isNull())
        return std::u16string();
    switch (static_cast<int>(op)) {
    case 0:
        image = image.transformed(QTransform().rotate(90), Qt::SmoothTransformation);
        break;
    case 1:
        image = image.transformed(QTransform().rotate(-90), Qt::SmoothTransformation);
        break;
    case 2:
        image = image.mirrored(true, true);
        break;
    case 3:
        image = image.mirrored(false, true);
        break;
    case 4:
        image = image.mirrored(true, false);
        break;
    default:
        break;
    }
    if (image.isNull())
        return std::u16string();
    const QString target = newImageFileName(file);
    if (!image.save(target))
        return std::u16string();
    return GuiUtil::toVXUString(target);
}

bool GuiApplication::isValidImage(const std::u16string& path)
{
    return !path.empty() && !QImage(toQString(path)).isNull();
}

bool GuiApplication::captureTopWindow(const std::u16string& path)
{
    QWidget* window = activeWindow();
    return window && captureWindow(window, toQString(path));
}

bool GuiApplication::captureNamedWindow(const std::u16string& title, const std::u16string& path)
{
    const QString wanted = toQString(title);
    for (QWidget* window : topLevelWidgets()) {
        if (!window->isHidden() && window->windowTitle() == wanted)
            return captureWindow(window, toQString(path));
    }
    return false;
}

GuiApplication* GuiApplication::current()
{
    if (VXGuiThread* thread = QtBridge::m_thread)
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
    if (app && object && app->m_idRegistry.emplace(id, object).second)
        app->m_keptById.insert(object);
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

void GuiApplication::forgetObject(const GuiObject* object)
{
    GuiApplication* app = current();
    if (!app || !app->m_keptById.remove(object))
        return;
    for (auto it = app->m_idRegistry.begin(); it != app->m_idRegistry.end();)
        it = it->second == object ? app->m_idRegistry.erase(it) : std::next(it);
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
    // No handler knows such an id, and no handler may read a payload that is not its row's
    // (the catalogue check traces both class names).
    if (!VXMessageCatalogue::find(type)) {
        traceDrop("id outside the catalogue", msg);
        return;
    }
    if (!VXMessageCatalogue::fitsPayload(msg, "dispatcher")) {
        traceDrop("payload does not fit the id", msg);
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
    // A key that still has an object (a second creation for one proxy, or an address handed
    // out again while a modal widget was still going) gives it up first: only dropped from the
    // registry, it would live on with no owner. Before the parent is looked up, which may be
    // the old object or lie inside it.
    if (auto* previous = dynamic_cast<GuiWidget*>(m_pointerRegistry.value(msg.m_target, nullptr))) {
        traceProblem("VRIXOneMessage replaced object", "the key already had one", msg);
        destroyObject(*previous);
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
    if (auto* widget = dynamic_cast<QWidget*>(created)) {
        m_awaitingPolish.insert(widget);
        for (const QWidget* inner : widget->findChildren<QWidget*>())
            m_awaitingPolish.insert(inner);
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
    destroyObject(*widget);
}

void GuiApplication::destroyObject(GuiWidget& object)
{
    auto* qwidget = dynamic_cast<QWidget*>(&object);
    if (qwidget && qwidget->isModal()) {
        // A modal widget may be running its own loop below us: close it, delete it later.
        qwidget->close();
        qwidget->deleteLater();
        return;
    }
    if (qwidget && awaitsPolish(*qwidget)) {
        retireWidget(*qwidget);
        return;
    }
    delete &object;
}

bool GuiApplication::awaitsPolish(const QWidget& widget) const
{
    if (m_awaitingPolish.isEmpty())
        return false;
    if (m_awaitingPolish.contains(&widget))
        return true;
    for (const QWidget* inner : widget.findChildren<QWidget*>()) {
        if (m_awaitingPolish.contains(inner))
            return true;
    }
    return false;
}

void GuiApplication::retireWidget(QWidget& widget)
{
    // A widget whose polish request is still in Qt's queue (built in the current batch of
    // messages) makes Qt scan that queue when deleted, and while a batch runs the queue only
    // grows: create-and-destroy churn cost the square of its length. Deleted after its
    // queued events, the widget has nothing left to scan for. Until then it is unregistered,
    // hidden and out of its parent, as if it were gone.
    QList<QObject*> subtree = widget.findChildren<QObject*>();
    subtree.prepend(&widget);
    for (QObject* object : subtree) {
        if (auto* registered = dynamic_cast<GuiWidget*>(object))
            registered->detachFromPeer();
        m_awaitingPolish.remove(object); // its deletion comes after the request anyway
    }
    widget.hide();
    if (widget.parentWidget())
        widget.setParent(nullptr);
    widget.deleteLater();
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
    // Retired widgets still waiting for their turn go first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
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
