#pragma once

#include "engine/VXObject.h"
#include "vrix/Color.h"
#include "vrix/Font.h"
#include "vrix/ImageOperations.h"
#include "vrix/StringID.h"
#include "vrix/VXPoint.h"
#include "vrix/VXRect.h"
#include "vrix/vxim/Emitter.h"
#include "vrix/vxim/Listener.h"
#include "vrix/vxim/SingleEmitter.h"
#include "vrix/vxim/Thread.h"
#include "vxqtgui_export.h"

#include <boost/optional.hpp>

#include <map>
#include <string>

class VXButton;
class VXCheckBox;
class VXEvent;
class VXGroupedRadioButton;
class VXImageCheckBox;
class VXProgressBar;
class VXProgressDialog;
class VXRadioButton;
class VXWidget;

/// The host's entry to the GUI toolkit (engine thread): factory of GUI peers, owner of the queue
/// of user events, carrier of the application-service emitters. One bridge exists per process;
/// `QtBridge` implements it.
class VXQTGUI_EXPORT VXBridge : public VXIM::Listener {
public:
    using Point = VRIX::VXPoint<int>;
    using Rect = VRIX::VXRect<int>;

    VXBridge();
    ~VXBridge() override;

    /// The one bridge; the first call (which must be made on the engine thread) starts the GUI.
    static VXBridge* getBridge(const VRIX::StringID& id);
    /// The bridge if it exists, without creating one (any thread).
    static VXBridge* existingBridge();
    /// Deletes every bridge at exit; no bridge operation may be used afterwards.
    static void destroyBridges();
    /// GUI thread: the first bridge's queue takes the event (deleted when there is no bridge).
    static void addEvent(VXEvent* event);
    /// Engine thread: the oldest queued event, or null.
    static VXEvent* getNextEvent();
    /// Engine thread: runs the queued events (the pending-events emitter's slot).
    void doCallProcessPendingEvents();

    /// A host-allocated copy of `s`; frees `s` (made with array new) when non-null.
    static char* copyStringToVELMAR(char* s);
    /// A copy made with array new (null gives null).
    static char* copyStringFromGUI(const char* s);
    static char16_t* copyStringFromGUI(const std::u16string& s);

    /// While set by the host, posts become sends (see GuiThread::postMessage).
    static bool m_imPost;

    virtual void start() = 0;
    virtual void quit() = 0;
    virtual void triggerAssertionInGuiThread() = 0;
    virtual void triggerSegvInGuiThread() = 0;
    virtual int destroyWidget(VXWidget* widget) = 0;

    virtual void createProgressBar(VXProgressBar* proxy, VXWidget* parent) = 0;
    virtual void createProgressDialog(VXProgressDialog* proxy, VXWidget* parent) = 0;
    virtual VXButton* createButton(VXWidget* parent, const char* label) = 0;
    virtual VXButton* createButton(VXWidget* parent, const std::u16string& label) = 0;
    virtual VXCheckBox* createCheckBox(VXWidget* parent, const char* label) = 0;
    virtual VXCheckBox* createCheckBox(VXWidget* parent, const std::u16string& label) = 0;
    virtual VXRadioButton* createRadioButton(VXWidget* parent) = 0;
    virtual VXGroupedRadioButton* createGroupedRadioButton(VXWidget* parent, int count) = 0;
    virtual VXImageCheckBox* createImageCheckBox(VXWidget* parent, const char* name) = 0;

    virtual int errorMessage(VXObject* owner, const char* title, const char* text, bool modal) = 0;
    virtual int errorMessage(
        VXObject* owner, const std::u16string& title, const std::u16string& text, bool modal)
        = 0;
    virtual int warningMessage(VXObject* owner, const char* title, const char* text, bool modal)
        = 0;
    virtual int warningMessage(
        VXObject* owner, const std::u16string& title, const std::u16string& text, bool modal)
        = 0;
    virtual int infoMessage(VXObject* owner, const char* title, const char* text, bool modal) = 0;
    virtual int infoMessage(
        VXObject* owner, const std::u16string& title, const std::u16string& text, bool modal)
        = 0;
    virtual void closeMessageBox(int handle) = 0;
    virtual int getNumOfOpenMsgBox(VXObject* owner) = 0;
    virtual int showModalAlert(VXObject* owner, const char* title, const std::u16string& text,
        const char* button1, const char* button2, const char* button3, int defaultButton,
        const char* iconPath)
        = 0;
    virtual int showModalAlertU(VXObject* owner, const std::u16string& title,
        const std::u16string& text, const std::u16string& button1, const std::u16string& button2,
        const std::u16string& button3, int defaultButton, const std::u16string& iconPath)
        = 0;
    virtual int getHashedSize() = 0;
    virtual VXEvent* dequeueEvent() = 0;
    virtual void enqueueEvent(VXEvent* event) = 0;
    virtual void increaseUIThreadPriority(bool increase) = 0;
    virtual VXIM::Thread getMainUIThread() = 0;

    // Fired on the GUI thread's event loop when an event is raised: serves the queue.
    VXIM::Emitter<void()> m_pendingEvents { VXIM::QueuedSend };

    // Application services, connected by the GUI application to its members of the same names.
    VXIM::Emitter<void(int)> m_setStartDragDistance { VXIM::QueuedSend };
    VXIM::SingleEmitter<int(int)> m_getScreenWidth;
    VXIM::SingleEmitter<int(int)> m_getScreenHeight;
    VXIM::SingleEmitter<int()> m_getNumScreens;
    VXIM::SingleEmitter<int()> m_getPrimaryScreen;
    VXIM::SingleEmitter<int(const Point&)> m_getScreenNumberOfPoint;
    VXIM::SingleEmitter<int(const VXWidget*)> m_getScreenNumberOfWidget;
    VXIM::SingleEmitter<Rect(int)> m_getScreenGeometry;
    VXIM::SingleEmitter<Rect(int)> m_getAvailableGeometryOfScreen;
    VXIM::SingleEmitter<Rect(const Point&)> m_getAvailableGeometryOfPoint;
    VXIM::SingleEmitter<VXObject*(const Point&)> m_getTopLevelWidgetAt;
    VXIM::SingleEmitter<int()> m_getStartDragDistance;
    VXIM::Emitter<void(long)> m_raiseWindowById { VXIM::QueuedSend };
    VXIM::SingleEmitter<VRIX::Font(const VRIX::Font&)> m_pickFont;
    VXIM::SingleEmitter<boost::optional<VRIX::Color>(const VRIX::Color&, const std::string&)>
        m_pickColor;
    VXIM::SingleEmitter<int()> m_getDoubleClickInterval;
    VXIM::Emitter<void(Point, VRIX::VXRect<double>, std::u16string)> m_showTooltipAtPointForRect {
        VXIM::QueuedSend
    };
    VXIM::SingleEmitter<bool()> m_isTooltipVisible;
    VXIM::Emitter<void()> m_hideTooltip { VXIM::QueuedSend };
    VXIM::SingleEmitter<bool(const std::u16string&, VRIX::ClipboardOperation)> m_imageClipboard;
    VXIM::SingleEmitter<std::u16string(const std::u16string&, VRIX::RotateOperation)> m_imageRotate;
    VXIM::SingleEmitter<bool(const std::u16string&)> m_isValidImage;
    VXIM::SingleEmitter<bool(const std::u16string&)> m_captureTopWindow;
    VXIM::SingleEmitter<bool(const std::u16string&, const std::u16string&)> m_captureNamedWindow;

    /// Called by the bridge implementation's library at load: builds the one bridge.
    using Factory = VXBridge* (*)();
    static void setFactory(Factory factory);

private:
    static std::map<VRIX::StringID, VXBridge*> m_bridges;
};
