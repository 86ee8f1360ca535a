#pragma once

#include "engine/VXBridge.h"
#include "messaging/QtMessage.h"

class GuiApplication;
class VXGuiThread;

/// The one VXBridge (engine thread): starts and stops the GUI thread, builds peers with their
/// creation messages, keeps the queue of user events and carries the message-box requests.
class QtBridge : public VXBridge {
public:
    QtBridge();
    ~QtBridge() override;

    static QtBridge* m_bridge;
    /// The GUI thread object; null before start() and after quit().
    static VXGuiThread* m_thread;

    /// The GUI application, or null while the GUI side is not running.
    static GuiApplication* getApplication();

    /// Posts `message` (taking it) to the GUI thread; dropped when the GUI side is not running.
    static void post(QtMessage* message);
    /// Sends `message` (taking it) and waits; 0 and no reply when the GUI side is not running.
    static int send(QtMessage* message, QtMessageHolder* reply = nullptr);
    /// Posts or sends `message` (taking it) as its catalogue row says; the send's result, else 0.
    static int deliver(QtMessage* message);

    void start() override;
    void quit() override;
    void triggerAssertionInGuiThread() override;
    void triggerSegvInGuiThread() override;
    int destroyWidget(VXWidget* widget) override;

    void createProgressBar(VXProgressBar* proxy, VXWidget* parent) override;
    void createProgressDialog(VXProgressDialog* proxy, VXWidget* parent) override;
    VXButton* createButton(VXWidget* parent, const char* label) override;
    VXButton* createButton(VXWidget* parent, const std::u16string& label) override;
    VXCheckBox* createCheckBox(VXWidget* parent, const char* label) override;
    VXCheckBox* createCheckBox(VXWidget* parent, const std::u16string& label) override;
    VXRadioButton* createRadioButton(VXWidget* parent) override;
    VXGroupedRadioButton* createGroupedRadioButton(VXWidget* parent, int count) override;
    VXImageCheckBox* createImageCheckBox(VXWidget* parent, const char* name) override;

    VXAction* createAction(VXWidget* parent, int id, const char* command, const char* text,
        const char* accel, const char* icon, const char* statusTip, const char* toolTip,
        const char* whatsThis, bool toggle, bool on, bool enabled, bool visible) override;
    VXAction* createAction(VXWidget* parent, int id, const std::u16string& command,
        const std::u16string& text, const std::u16string& accel, const std::u16string& icon,
        const std::u16string& statusTip, const std::u16string& toolTip,
        const std::u16string& whatsThis, bool toggle, bool on, bool enabled, bool visible) override;
    VXPopupMenu* createPopupMenu(VXWidget* parent) override;
    VXToolBar* createToolBar(VXWidget* parent) override;
    VXComboBox* createComboBox(VXWidget* parent, const char* text) override;
    VXComboBox* createComboBox(VXWidget* parent, const std::u16string& text) override;

    VXEdit* createEdit(VXWidget* parent, const char* text) override;
    VXEdit* createEdit(VXWidget* parent, const std::u16string& text) override;
    VXEditArea* createEditArea(VXWidget* parent) override;
    VXText* createTextBox(VXWidget* parent, const char* text) override;
    VXText* createTextBox(VXWidget* parent, const std::u16string& text) override;
    VXSlider* createSlider(VXWidget* parent, const char* name) override;
    VXImage* createImage(VXWidget* parent, const char* name, const char* path) override;
    VXHyperLink* createHyperLink(VXWidget* parent, const char* text, const char* url) override;
    VXHyperLink* createHyperLink(
        VXWidget* parent, const std::u16string& text, const std::u16string& url) override;

    VXDialog* createDialog(unsigned flags) override;
    VXWindow* createWindow(unsigned flags) override;
    VXPanel* createPanel() override;
    VXPanel* createPanel(VXWidget* parent, const char* name) override;
    VXPanel* createPanel(VXWidget* parent, const std::u16string& name) override;
    VXGroupBox* createGroupBox(VXWidget* parent, const char* title) override;
    VXGroupBox* createGroupBox(VXWidget* parent, const std::u16string& title) override;
    VXTogglePanel* createTogglePanel(VXWidget* parent, const char* title) override;
    VXScrollView* createScrollView(VXWidget* parent) override;
    VXWidgetStack* createWidgetStack(VXWidget* parent) override;
    VXSplitter* createSplitter(
        VXWidget* parent, const char* orientation, const char* name) override;
    VXTabBar* createTabBar(VXWidget* parent) override;
    VXTab* createTab(VXWidget* parent) override;
    VXGridLayout* createGridLayout(VXWidget* parent, int rows, int columns) override;
    VXGridLayout* createGridLayout(int rows, int columns) override;
    VXHBoxLayout* createHBoxLayout(VXWidget* parent) override;
    VXHBoxLayout* createHBoxLayout() override;
    VXVBoxLayout* createVBoxLayout(VXWidget* parent) override;
    VXVBoxLayout* createVBoxLayout() override;

    VXTextBrowser* createTextBrowser(VXWidget* parent, const char* name) override;
    VXWebBrowser* createWebBrowser(VXWidget* parent, const char* name) override;
    VXModelExplorer* createModelExplorer(std::map<int, std::u16string>& strings) override;
    VXSearchBar* createSearchBar(VXWidget* parent) override;
    VXSearchPanel* createSearchPanel(VXWidget* parent) override;
    VXSpreadSheet* createSpreadSheet(VXWidget* parent) override;

    int errorMessage(VXObject* owner, const char* title, const char* text, bool modal) override;
    int errorMessage(VXObject* owner, const std::u16string& title, const std::u16string& text,
        bool modal) override;
    int warningMessage(VXObject* owner, const char* title, const char* text, bool modal) override;
    int warningMessage(VXObject* owner, const std::u16string& title, const std::u16string& text,
        bool modal) override;
    int infoMessage(VXObject* owner, const char* title, const char* text, bool modal) override;
    int infoMessage(VXObject* owner, const std::u16string& title, const std::u16string& text,
        bool modal) override;
    void closeMessageBox(int handle) override;
    int getNumOfOpenMsgBox(VXObject* owner) override;
    int showModalAlert(VXObject* owner, const char* title, const std::u16string& text,
        const char* button1, const char* button2, const char* button3, int defaultButton,
        const char* iconPath) override;
    int showModalAlertU(VXObject* owner, const std::u16string& title, const std::u16string& text,
        const std::u16string& button1, const std::u16string& button2, const std::u16string& button3,
        int defaultButton, const std::u16string& iconPath) override;
    int getHashedSize() override;
    VXEvent* dequeueEvent() override;
    void enqueueEvent(VXEvent* event) override;
    void increaseUIThreadPriority(bool increase) override;
    VXIM::Thread getMainUIThread() override;

private:
    /// Builds a peer under `parent` and delivers its creation message, a `Payload` built from
    /// the peer, the id and `args`; null while the GUI side is not running.
    template <class Peer, class Payload, class... Args>
    static Peer* build(VXWidget* parent, VXMessageType id, Args&&... args);

    int messageBox(VXObject* owner, VXMessageType id, const std::u16string& title,
        const std::u16string& text, bool modal);
};
