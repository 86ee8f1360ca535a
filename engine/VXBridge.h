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

#include <atomic>
#include <map>
#include <string>

class VXAction;
class VXButton;
class VXTextBrowser;
class VXWebBrowser;
class VXDialog;
class VXGridLayout;
class VXGroupBox;
class VXHBoxLayout;
class VXPanel;
class VXScrollView;
class VXSplitter;
class VXTab;
class VXTabBar;
class VXTogglePanel;
class VXVBoxLayout;
class VXWidgetStack;
class VXWindow;
class VXComboBox;
class VXModelExplorer;
class VXPopupMenu;
class VXToolBar;
class VXSearchBar;
class VXSearchPanel;
class VXSpreadSheet;
class VXCheckBox;
class VXEvent;
class VXEdit;
class VXEditArea;
class VXHyperLink;
class VXImage;
class VXSlider;
class VXText;
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

    /// Longest wait of one send to the GUI thread, in milliseconds; when it passes, the operation
    /// returns its failure result (false, 0, empty) and the GUI thread's late answer is dropped.
    /// 0 (the default) waits as long as the GUI thread runs; negative values count as 0.
    void setSendDeadline(int milliseconds);
    int sendDeadline() const;

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

    virtual VXEdit* createEdit(VXWidget* parent, const char* text) = 0;
    virtual VXEdit* createEdit(VXWidget* parent, const std::u16string& text) = 0;
    virtual VXEditArea* createEditArea(VXWidget* parent) = 0;
    virtual VXText* createTextBox(VXWidget* parent, const char* text) = 0;
    virtual VXText* createTextBox(VXWidget* parent, const std::u16string& text) = 0;
    virtual VXSlider* createSlider(VXWidget* parent, const char* name) = 0;
    virtual VXImage* createImage(VXWidget* parent, const char* name, const char* path) = 0;
    virtual VXHyperLink* createHyperLink(VXWidget* parent, const char* text, const char* url) = 0;
    virtual VXHyperLink* createHyperLink(
        VXWidget* parent, const std::u16string& text, const std::u16string& url)
        = 0;

    /// Action creation: `command` stays on the proxy; the six texts (text, accelerator, icon,
    /// status tip, tool tip, what's-this) and the four flags (toggle, initially on, enabled,
    /// visible) go to the widget; the proxy keeps the first two flags.
    virtual VXAction* createAction(VXWidget* parent, int id, const char* command, const char* text,
        const char* accel, const char* icon, const char* statusTip, const char* toolTip,
        const char* whatsThis, bool toggle, bool on, bool enabled, bool visible)
        = 0;
    virtual VXAction* createAction(VXWidget* parent, int id, const std::u16string& command,
        const std::u16string& text, const std::u16string& accel, const std::u16string& icon,
        const std::u16string& statusTip, const std::u16string& toolTip,
        const std::u16string& whatsThis, bool toggle, bool on, bool enabled, bool visible)
        = 0;
    virtual VXPopupMenu* createPopupMenu(VXWidget* parent) = 0;
    virtual VXToolBar* createToolBar(VXWidget* parent) = 0;
    virtual VXComboBox* createComboBox(VXWidget* parent, const char* text) = 0;
    virtual VXComboBox* createComboBox(VXWidget* parent, const std::u16string& text) = 0;

    // Containers and layouts.
    virtual VXDialog* createDialog(unsigned flags) = 0;
    virtual VXWindow* createWindow(unsigned flags) = 0;
    virtual VXPanel* createPanel() = 0;
    virtual VXPanel* createPanel(VXWidget* parent, const char* name) = 0;
    virtual VXPanel* createPanel(VXWidget* parent, const std::u16string& name) = 0;
    virtual VXGroupBox* createGroupBox(VXWidget* parent, const char* title) = 0;
    virtual VXGroupBox* createGroupBox(VXWidget* parent, const std::u16string& title) = 0;
    virtual VXTogglePanel* createTogglePanel(VXWidget* parent, const char* title) = 0;
    virtual VXScrollView* createScrollView(VXWidget* parent) = 0;
    virtual VXWidgetStack* createWidgetStack(VXWidget* parent) = 0;
    /// `orientation` is "vertical" (any case) or anything else for horizontal.
    virtual VXSplitter* createSplitter(VXWidget* parent, const char* orientation, const char* name)
        = 0;
    virtual VXTabBar* createTabBar(VXWidget* parent) = 0;
    virtual VXTab* createTab(VXWidget* parent) = 0;
    virtual VXGridLayout* createGridLayout(VXWidget* parent, int rows, int columns) = 0;
    virtual VXGridLayout* createGridLayout(int rows, int columns) = 0;
    virtual VXHBoxLayout* createHBoxLayout(VXWidget* parent) = 0;
    virtual VXHBoxLayout* createHBoxLayout() = 0;
    virtual VXVBoxLayout* createVBoxLayout(VXWidget* parent) = 0;
    virtual VXVBoxLayout* createVBoxLayout() = 0;

    virtual VXTextBrowser* createTextBrowser(VXWidget* parent, const char* name) = 0;
    virtual VXWebBrowser* createWebBrowser(VXWidget* parent, const char* name) = 0;
    /// A hidden explorer window whose display texts are `strings` (id to text); null while the
    /// GUI side is not running.
    virtual VXModelExplorer* createModelExplorer(std::map<int, std::u16string>& strings) = 0;

    // The explorer's search bar and search panel.
    virtual VXSearchBar* createSearchBar(VXWidget* parent) { return nullptr; }
    virtual VXSearchPanel* createSearchPanel(VXWidget* parent) { return nullptr; }
    virtual VXSpreadSheet* createSpreadSheet(VXWidget* parent) { return nullptr; }

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
    std::atomic<int> m_sendDeadline { 0 };
};
