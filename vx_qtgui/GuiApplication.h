#pragma once

#include "messaging/QtMessage.h"
#include "vrix/Color.h"
#include "vrix/Font.h"
#include "vrix/ImageOperations.h"
#include "vrix/VXPoint.h"
#include "vrix/VXRect.h"
#include "vrix/vxim/Emitter.h"
#include "vrix/vxim/Listener.h"

#include <QApplication>
#include <QHash>
#include <QSet>

#include <boost/optional.hpp>

#include <string>
#include <unordered_map>

class GuiObject;
class GuiWidget;
class QTranslator;
class VXBridge;
class VXObject;
class VXWidget;

/// The process's single Qt application: the widget registries, the message dispatcher, the
/// GUI thread's wake-up, the style, locale and translations, and the services the engine
/// thread reaches through the bridge's emitters. Built, used and destroyed on the GUI thread.
class GuiApplication : public QApplication, public VXIM::Listener {
    Q_OBJECT

public:
    using ActivatedEmitter = VXIM::Emitter<void(), VXIM::KeepAll>;

    GuiApplication(int& argc, char** argv);
    ~GuiApplication() override;

    /// The application of the running GUI thread, or null.
    static GuiApplication* current();

    // Registries of the current application; each does nothing (or answers null) without one.
    /// Inserts or replaces the pointer-registry entry of `key`.
    static void putWidget(void* key, GuiObject* object);
    /// Inserts into the id registry; the first registration of an id wins.
    static void putWidget(unsigned id, GuiObject* object);
    static GuiObject* getWidget(unsigned id);
    /// The pointer-registry entry of `key`, or null.
    static GuiObject* findWidget(void* key);
    /// Erases the entry of `key` when it still is `object`.
    static void removeWidget(void* key, const GuiObject* object);
    /// Erases the id-registry entry of `id`.
    static void removeObject(unsigned id);
    /// Erases every id-registry entry naming `object`: a library that deletes an object it
    /// registered by id without removing it leaves no dangling entry.
    static void forgetObject(const GuiObject* object);
    /// Entries in both registries.
    static int widgetCount();

    /// Emitted when Qt reports that the application became active.
    ActivatedEmitter& applicationActivatedEmitter() { return m_applicationActivated; }

    /// The dispatcher: routes one message to a creation, the application or its widget, then
    /// completes a synchronous sender.
    void VRIXOneMessage(QtMessageHolder msg);
    bool event(QEvent* e) override;
    /// Serves the wake-up event (type 1461): drains the GUI thread's message queue.
    void VXIMMessage(QEvent* e);

    /// Qt's message handler: traces Qt diagnostics to the debug log when it is on.
    static void qtMessageOutput(
        QtMsgType type, const QMessageLogContext& context, const QString& text);

    /// Applies the text-edit-done rule to every event before Qt delivers it.
    bool notify(QObject* receiver, QEvent* e) override;
    /// A mouse press outside the focused widget (and outside menus and widgets marked
    /// "neverCancelsTextEdit") sends the focus widget a VRIX::TextEditDoneEventType() event.
    void passivelyFinishTextEditIfNeeded(QObject* receiver, QEvent* e);

    /// Event types registered on first call, each distinct. Any thread.
    static int OD_OK_EDIT_WIDGET_EVENT_TYPE();
    static int OD_CANCEL_EDIT_WIDGET_EVENT_TYPE();

    /// macOS: makes the widget of a window that becomes main the active window. Once per
    /// process; nothing elsewhere.
    static void installCocoaWindowNotificationObserver();

    // Services for the engine thread, connected to the bridge's emitters of the same names.
    // Points and rectangles are in device-independent units.
    int getNumScreens();
    int getPrimaryScreen();
    int getScreenNumberOfPoint(const VRIX::VXPoint<int>& point);
    /// The screen of the proxy's widget; the primary screen without one.
    int getScreenNumberOfWidget(const VXWidget* widget);
    VRIX::VXRect<int> getScreenGeometry(int screen);
    VRIX::VXRect<int> getAvailableGeometryOfScreen(int screen);
    VRIX::VXRect<int> getAvailableGeometryOfPoint(const VRIX::VXPoint<int>& point);
    int getScreenWidth(int screen);
    int getScreenHeight(int screen);
    /// The proxy of the registered top-level widget under the point, or null.
    VXObject* getTopLevelWidgetAt(const VRIX::VXPoint<int>& point);
    int getStartDragDistance();
    void setStartDragDistance(int distance);
    int getDoubleClickInterval();
    void raiseWindowById(long windowId);
    /// A modal font chooser; the default font when cancelled.
    VRIX::Font pickFont(const VRIX::Font& initial);
    /// A modal colour chooser; nothing when cancelled.
    boost::optional<VRIX::Color> pickColor(const VRIX::Color& initial, const std::string& title);
    void showTooltipAtPointForRect(
        VRIX::VXPoint<int> point, VRIX::VXRect<double> rect, std::u16string text);
    bool isTooltipVisible();
    void hideTooltip();
    /// Copy (0) puts the image file on the clipboard; paste (1) saves the clipboard's image to
    /// the file. Other operations do nothing and succeed.
    bool imageClipboard(const std::u16string& path, VRIX::ClipboardOperation op);
    /// Saves a turned or mirrored copy of the image file next to it (0: +90 degrees, 1: -90,
    /// 2: both ways, 3: vertically, 4: horizontally, other: unchanged) and returns its name;
    /// empty when the file does not load or the copy cannot be written.
    std::u16string imageRotate(const std::u16string& path, VRIX::RotateOperation op);
    bool isValidImage(const std::u16string& path);
    /// Saves a picture of the active window to `path`.
    bool captureTopWindow(const std::u16string& path);
    /// Saves a picture of the first visible top-level window titled `title` to `path`.
    bool captureNamedWindow(const std::u16string& title, const std::u16string& path);

    int m_pendingTickles;
    bool m_reentrancyProtected;

private:
    void setupApplicationStyle();
    void setupLocale();
    void connectServices(VXBridge& bridge);
    void setupFontsAndGestures();
    void installTranslations();

    void dispatch(QtMessage& msg);
    void createObject(QtMessage& msg);
    void destroyWidget(QtMessage& msg);
    /// Takes `object` away as a destroy message would: a modal widget is closed and deleted
    /// later, a widget awaiting its polish is retired, anything else is deleted now.
    void destroyObject(GuiWidget& object);
    /// Unregisters `widget` and everything registered below it now and deletes it once Qt
    /// has delivered what is queued for it.
    void retireWidget(QWidget& widget);
    /// Whether `widget` or a widget inside it still waits for its queued polish request.
    bool awaitsPolish(const QWidget& widget) const;
    void convertPixmap(QtMessage& msg);
    /// Message boxes, ids 408 to 414.
    void messageBoxMessage(VXMessageType type, QtMessage& msg);
    void deleteRemainingWidgets();

    ActivatedEmitter m_applicationActivated;
    std::unordered_map<unsigned, GuiObject*> m_idRegistry;
    /// Objects ever entered in the id registry: only their destruction scans it.
    QSet<const GuiObject*> m_keptById;
    QHash<void*, GuiObject*> m_pointerRegistry;
    /// Widgets built for peers whose polish request Qt has not delivered yet.
    QSet<const QObject*> m_awaitingPolish;
    QTranslator* m_translator = nullptr;
};
