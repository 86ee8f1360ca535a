#include "messaging/QtBridge.h"

#include "engine/HostFunctions.h"
#include "engine/VXEvent.h"
#include "engine/VXProgressBar.h"
#include "engine/VXProgressDialog.h"
#include "engine/VXWidget.h"
#include "messaging/MessageText.h"
#include "messaging/QtAction.h"
#include "messaging/QtActionMessage.h"
#include "messaging/QtButton.h"
#include "messaging/QtCheckBox.h"
#include "messaging/QtComboBox.h"
#include "messaging/QtDialog.h"
#include "messaging/QtEdit.h"
#include "messaging/QtEditArea.h"
#include "messaging/QtGridLayout.h"
#include "messaging/QtGroupBox.h"
#include "messaging/QtGroupedRadioButton.h"
#include "messaging/QtHBoxLayout.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtHandleString6IntMessage.h"
#include "messaging/QtHandleUString6IntMessage.h"
#include "messaging/QtHyperLink.h"
#include "messaging/QtImage.h"
#include "messaging/QtImageCheckBox.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtPanel.h"
#include "messaging/QtPopupMenu.h"
#include "messaging/QtRadioButton.h"
#include "messaging/QtScrollView.h"
#include "messaging/QtSlider.h"
#include "messaging/QtSplitter.h"
#include "messaging/QtString2BoolMessage.h"
#include "messaging/QtTab.h"
#include "messaging/QtTabBar.h"
#include "messaging/QtText.h"
#include "messaging/QtTextBrowser.h"
#include "messaging/QtTogglePanel.h"
#include "messaging/QtToolBar.h"
#include "messaging/QtVBoxLayout.h"
#include "messaging/QtWFlagsMessage.h"
#include "messaging/QtWebBrowser.h"
#include "messaging/QtWidgetStack.h"
#include "messaging/QtWindow.h"
#include "messaging/VXEventQueue.h"
#include "vrix/SanitizerAnnotations.h"
#include "vx_qtgui/GuiThread.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>

QtBridge* QtBridge::m_bridge = nullptr;
GuiThread* QtBridge::m_thread = nullptr;

namespace {
VXEventQueue s_eventQueue;

// Keeps the host's asynchronous signals off the GUI thread while it is created.
struct AutoBlockAsyncSignals {
    AutoBlockAsyncSignals() { utBlockAsyncSignals(); }
    ~AutoBlockAsyncSignals() { utRestoreAsyncSignals(); }
};

VXBridge* createQtBridge()
{
    return new QtBridge;
}

const bool s_registered = [] {
    VXBridge::setFactory(&createQtBridge);
    return true;
}();
} // namespace

QtBridge::QtBridge()
{
    (void)s_registered;
    m_bridge = this;
}

QtBridge::~QtBridge()
{
    disconnect();
    if (m_bridge == this)
        m_bridge = nullptr;
}

GuiApplication* QtBridge::getApplication()
{
    return m_thread ? m_thread->getApplication() : nullptr;
}

void QtBridge::post(QtMessage* message)
{
    QtMessageHolder holder(message);
    if (m_thread && holder)
        m_thread->postMessage(holder, false);
}

int QtBridge::send(QtMessage* message, QtMessageHolder* reply)
{
    QtMessageHolder holder(message);
    if (!m_thread || !holder)
        return 0;
    return m_thread->sendMessage(holder, reply);
}

int QtBridge::sendForInt(QtMessage* message, int fallback)
{
    QtMessageHolder reply;
    send(message, &reply);
    auto* value = dynamic_cast<QtIntMessage*>(reply.get());
    return value ? value->m_int : fallback;
}

void QtBridge::start()
{
    if (m_thread)
        return;
    AutoBlockAsyncSignals blocked;
    m_thread = new GuiThread(0);
    m_thread->start();
    m_thread->waitForAppToStart();
}

void QtBridge::quit()
{
    while (VXEvent* event = dequeueEvent())
        delete event;
    if (!m_thread)
        return;
    m_thread->quit();
    disconnect();
    delete m_thread;
    m_thread = nullptr;
    // Widgets kept raising events until the GUI thread was gone; nobody may receive those.
    while (VXEvent* event = dequeueEvent())
        delete event;
}

void QtBridge::triggerAssertionInGuiThread()
{
    if (m_thread)
        post(new QtMessage(nullptr, GenerateAssertionMsg));
}

void QtBridge::triggerSegvInGuiThread()
{
    if (m_thread)
        post(new QtMessage(nullptr, GenerateSEGVMsg));
}

int QtBridge::destroyWidget(VXWidget* widget)
{
    return send(new QtMessage(widget, DestroyWidgetMsg));
}

void QtBridge::createProgressBar(VXProgressBar* proxy, VXWidget* parent)
{
    if (m_thread && proxy)
        send(new QtHandleMessage(proxy, ProgressBarCreateMsg, parent));
}

void QtBridge::createProgressDialog(VXProgressDialog* proxy, VXWidget* parent)
{
    if (m_thread && proxy)
        send(new QtHandleMessage(proxy, ProgressDialogCreateMsg, parent));
}

VXButton* QtBridge::createButton(VXWidget* parent, const char* label)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtButton(parent);
    post(new QtHandleStr4Message(peer, BTNCreateMsg, parent, label, "", "", "", true));
    return peer;
}

VXButton* QtBridge::createButton(VXWidget* parent, const std::u16string& label)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtButton(parent);
    post(new QtHandleStr4Message(peer, BTNCreateMsg, parent, label, u"", u"", u""));
    return peer;
}

VXCheckBox* QtBridge::createCheckBox(VXWidget* parent, const char* label)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtCheckBox(parent);
    post(new QtHandleStr4Message(peer, CHKCreateMsg, parent, label, "", "", "", true));
    return peer;
}

VXCheckBox* QtBridge::createCheckBox(VXWidget* parent, const std::u16string& label)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtCheckBox(parent);
    post(new QtHandleStr4Message(peer, CHKCreateMsg, parent, label, u"", u"", u""));
    return peer;
}

VXRadioButton* QtBridge::createRadioButton(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtRadioButton(parent);
    post(new QtHandleMessage(peer, RBTCreateMsg, parent));
    return peer;
}

VXGroupedRadioButton* QtBridge::createGroupedRadioButton(VXWidget* parent, int count)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtGroupedRadioButton(parent);
    auto* message = new QtHandleInt5Message(peer, GRBCreateMsg);
    message->m_handle = parent;
    message->m_int1 = count;
    post(message);
    return peer;
}

VXImageCheckBox* QtBridge::createImageCheckBox(VXWidget* parent, const char* name)
{
    if (!m_thread)
        return nullptr;
    // The name stays on this side: the widget starts without a caption.
    auto* peer = new QtImageCheckBox(parent);
    post(new QtHandleMessage(peer, IMGCHKCreateMsg, parent));
    return peer;
}

VXEdit* QtBridge::createEdit(VXWidget* parent, const char* text)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtEdit(parent);
    post(new QtHandleStr4Message(peer, EDITCreateMsg, parent, text, "", "", "", true));
    return peer;
}

VXEdit* QtBridge::createEdit(VXWidget* parent, const std::u16string& text)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtEdit(parent);
    post(new QtHandleStr4Message(peer, EDITCreateMsg, parent, text, u"", u"", u""));
    return peer;
}

VXEditArea* QtBridge::createEditArea(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtEditArea(parent);
    post(new QtHandleMessage(peer, EDITAREACreateMsg, parent));
    return peer;
}

VXText* QtBridge::createTextBox(VXWidget* parent, const char* text)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtText(parent);
    post(new QtHandleStr4Message(peer, TXTCreateMsg, parent, text, "", "", "", true));
    return peer;
}

VXText* QtBridge::createTextBox(VXWidget* parent, const std::u16string& text)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtText(parent);
    post(new QtHandleStr4Message(peer, TXTCreateMsg, parent, text, u"", u"", u""));
    return peer;
}

VXSlider* QtBridge::createSlider(VXWidget* parent, const char* name)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtSlider(parent);
    post(new QtHandleStr4Message(peer, SliderCreateMsg, parent, name, "", "", "", true));
    return peer;
}

VXImage* QtBridge::createImage(VXWidget* parent, const char* name, const char* path)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtImage(parent);
    post(new QtHandleStr4Message(peer, IMGCreateMsg, parent, name, path, "", "", true));
    return peer;
}

VXHyperLink* QtBridge::createHyperLink(VXWidget* parent, const char* text, const char* url)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtHyperLink(parent);
    post(new QtHandleStr4Message(peer, HYPCreateMsg, parent, text, url, "", "", true));
    return peer;
}

VXHyperLink* QtBridge::createHyperLink(
    VXWidget* parent, const std::u16string& text, const std::u16string& url)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtHyperLink(parent);
    post(new QtHandleStr4Message(peer, HYPCreateMsg, parent, text, url, u"", u""));
    return peer;
}

VXTextBrowser* QtBridge::createTextBrowser(VXWidget* parent, const char* name)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtTextBrowser(parent);
    post(new QtHandleStr4Message(peer, BWSCreateMsg, parent, name, "", "", "", true));
    return peer;
}

VXWebBrowser* QtBridge::createWebBrowser(VXWidget* parent, const char* name)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtWebBrowser(parent);
    post(new QtHandleStr4Message(peer, WEBCreateMsg, parent, name, "", "", "", true));
    return peer;
}

VXDialog* QtBridge::createDialog(unsigned flags)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtDialog();
    post(new QtWFlagsMessage(peer, DLGCreateMsg, flags));
    return peer;
}

VXWindow* QtBridge::createWindow(unsigned flags)
{
    if (!m_thread)
        return nullptr;
    // Sent: the window connects the proxy's emitters while it is built.
    auto* peer = new QtWindow();
    send(new QtWFlagsMessage(peer, WNDCreateMsg, flags));
    return peer;
}

VXPanel* QtBridge::createPanel()
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtPanel();
    post(new QtMessage(peer, PNLCreate2Msg));
    return peer;
}

VXPanel* QtBridge::createPanel(VXWidget* parent, const char* name)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtPanel(parent);
    post(new QtHandleStr4Message(peer, PNLCreateMsg, parent, name, "", "", "", true));
    return peer;
}

VXPanel* QtBridge::createPanel(VXWidget* parent, const std::u16string& name)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtPanel(parent);
    post(new QtHandleStr4Message(peer, PNLCreateMsg, parent, name, u"", u"", u""));
    return peer;
}

VXGroupBox* QtBridge::createGroupBox(VXWidget* parent, const char* title)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtGroupBox(parent);
    post(new QtHandleStr4Message(peer, GRPCreateMsg, parent, title, "", "", "", true));
    return peer;
}

VXGroupBox* QtBridge::createGroupBox(VXWidget* parent, const std::u16string& title)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtGroupBox(parent);
    post(new QtHandleStr4Message(peer, GRPCreateMsg, parent, title, u"", u"", u""));
    return peer;
}

VXTogglePanel* QtBridge::createTogglePanel(VXWidget* parent, const char* /*title*/)
{
    if (!m_thread)
        return nullptr;
    // The header starts without a caption; the title stays on this side.
    auto* peer = new QtTogglePanel(parent);
    post(new QtHandleMessage(peer, TGLPNCreateMsg, parent));
    return peer;
}

VXScrollView* QtBridge::createScrollView(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtScrollView(parent);
    post(new QtHandleMessage(peer, SVCreateMsg, parent));
    return peer;
}

VXWidgetStack* QtBridge::createWidgetStack(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtWidgetStack(parent);
    post(new QtHandleMessage(peer, WSCreateMsg, parent));
    return peer;
}

VXSplitter* QtBridge::createSplitter(VXWidget* parent, const char* orientation, const char* name)
{
    if (!m_thread)
        return nullptr;
    // Sent: the splitter connects the proxy's emitters while it is built.
    auto* peer = new QtSplitter(parent);
    send(new QtHandleStr4Message(peer, SPLTCreateMsg, parent, orientation, name, "", "", true));
    return peer;
}

VXTabBar* QtBridge::createTabBar(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtTabBar(parent);
    post(new QtHandleMessage(peer, TABBARCreateMsg, parent));
    return peer;
}

VXTab* QtBridge::createTab(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtTab(parent);
    post(new QtHandleMessage(peer, TABCreateMsg, parent));
    return peer;
}

VXGridLayout* QtBridge::createGridLayout(VXWidget* parent, int rows, int columns)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtGridLayout(parent);
    auto* message = new QtHandleInt5Message(peer, LAYCreateGrid1Msg);
    message->m_handle = parent;
    message->m_int1 = rows;
    message->m_int2 = columns;
    post(message);
    return peer;
}

VXGridLayout* QtBridge::createGridLayout(int rows, int columns)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtGridLayout();
    auto* message = new QtInt5Message(peer, LAYCreateGrid2Msg);
    message->m_int1 = rows;
    message->m_int2 = columns;
    post(message);
    return peer;
}

VXHBoxLayout* QtBridge::createHBoxLayout(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtHBoxLayout(parent);
    post(new QtHandleMessage(peer, LAYCreateHBox1Msg, parent));
    return peer;
}

VXHBoxLayout* QtBridge::createHBoxLayout()
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtHBoxLayout();
    post(new QtMessage(peer, LAYCreateHBox2Msg));
    return peer;
}

VXVBoxLayout* QtBridge::createVBoxLayout(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtVBoxLayout(parent);
    post(new QtHandleMessage(peer, LAYCreateVBox1Msg, parent));
    return peer;
}

VXVBoxLayout* QtBridge::createVBoxLayout()
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtVBoxLayout();
    post(new QtMessage(peer, LAYCreateVBox2Msg));
    return peer;
}

VXAction* QtBridge::createAction(VXWidget* parent, int id, const char* command, const char* text,
    const char* accel, const char* icon, const char* statusTip, const char* toolTip,
    const char* whatsThis, bool toggle, bool on, bool enabled, bool visible)
{
    const auto local = [](const char* s) {
        const QString q = messageText(s, true);
        return std::u16string(
            reinterpret_cast<const char16_t*>(q.utf16()), static_cast<std::size_t>(q.size()));
    };
    return createAction(parent, id, fl::i18n::to_ustring(command ? command : ""), local(text),
        local(accel), local(icon), local(statusTip), local(toolTip), local(whatsThis), toggle, on,
        enabled, visible);
}

VXAction* QtBridge::createAction(VXWidget* parent, int id, const std::u16string& command,
    const std::u16string& text, const std::u16string& accel, const std::u16string& icon,
    const std::u16string& statusTip, const std::u16string& toolTip, const std::u16string& whatsThis,
    bool toggle, bool on, bool enabled, bool visible)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtAction(parent, id, command, toggle, on);
    post(new QtActionMessage(peer, ACTCreateMsg, parent, text, accel, icon, statusTip, toolTip,
        whatsThis, toggle, on, enabled, visible));
    return peer;
}

VXPopupMenu* QtBridge::createPopupMenu(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtPopupMenu(parent);
    // Sent: the menu connects to the proxy's emitters before the host can fire them.
    send(new QtHandleMessage(peer, POPCreateMsg, parent));
    return peer;
}

VXToolBar* QtBridge::createToolBar(VXWidget* parent)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtToolBar(parent);
    post(new QtHandleMessage(peer, TOOLCreateMsg, parent));
    return peer;
}

VXComboBox* QtBridge::createComboBox(VXWidget* parent, const char* text)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtComboBox(parent);
    post(new QtHandleStr4Message(peer, CMBCreateMsg, parent, text, "", "", "", true));
    return peer;
}

VXComboBox* QtBridge::createComboBox(VXWidget* parent, const std::u16string& text)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtComboBox(parent);
    post(new QtHandleStr4Message(peer, CMBCreateMsg, parent, text, u"", u"", u""));
    return peer;
}

int QtBridge::messageBox(VXObject* owner, VXMessageType id, const std::u16string& title,
    const std::u16string& text, bool modal)
{
    if (!m_thread)
        return -1;
    auto* message = new QtString2BoolMessage(owner, id);
    message->m_string1 = messageText(title);
    message->m_string2 = messageText(text);
    message->m_bool = modal;
    // The GUI side always answers with the box's handle; without an answer there is no box.
    return sendForInt(message, -1);
}

int QtBridge::errorMessage(VXObject* owner, const char* title, const char* text, bool modal)
{
    return errorMessage(owner, fl::i18n::to_ustring(title), fl::i18n::to_ustring(text), modal);
}

int QtBridge::errorMessage(
    VXObject* owner, const std::u16string& title, const std::u16string& text, bool modal)
{
    return messageBox(owner, MSGBOXCreateErrMsg, title, text, modal);
}

int QtBridge::warningMessage(VXObject* owner, const char* title, const char* text, bool modal)
{
    return warningMessage(owner, fl::i18n::to_ustring(title), fl::i18n::to_ustring(text), modal);
}

int QtBridge::warningMessage(
    VXObject* owner, const std::u16string& title, const std::u16string& text, bool modal)
{
    return messageBox(owner, MSGBOXCreateWarnMsg, title, text, modal);
}

int QtBridge::infoMessage(VXObject* owner, const char* title, const char* text, bool modal)
{
    return infoMessage(owner, fl::i18n::to_ustring(title), fl::i18n::to_ustring(text), modal);
}

int QtBridge::infoMessage(
    VXObject* owner, const std::u16string& title, const std::u16string& text, bool modal)
{
    return messageBox(owner, MSGBOXCreateInfoMsg, title, text, modal);
}

void QtBridge::closeMessageBox(int handle)
{
    if (m_thread)
        post(new QtIntMessage(nullptr, MSGBOXCloseMsgBoxMsg, handle));
}

int QtBridge::getNumOfOpenMsgBox(VXObject* owner)
{
    if (!m_thread)
        return 0;
    return sendForInt(new QtMessage(owner, MSGBOXGetNumOfOpenMsgBoxMsg), 0);
}

int QtBridge::showModalAlert(VXObject* owner, const char* title, const std::u16string& text,
    const char* button1, const char* button2, const char* button3, int defaultButton,
    const char* iconPath)
{
    if (!m_thread)
        return -1;
    return send(new QtHandleString6IntMessage(owner, MSGBOXCreateModalAlertMsg, title, text,
        button1, button2, button3, defaultButton, iconPath));
}

int QtBridge::showModalAlertU(VXObject* owner, const std::u16string& title,
    const std::u16string& text, const std::u16string& button1, const std::u16string& button2,
    const std::u16string& button3, int defaultButton, const std::u16string& iconPath)
{
    if (!m_thread)
        return -1;
    return send(new QtHandleUString6IntMessage(owner, MSGBOXCreateModalAlertUMsg, title, text,
        button1, button2, button3, defaultButton, iconPath));
}

int QtBridge::getHashedSize()
{
    return send(new QtMessage(nullptr, IMGetWidgetCountMsg));
}

VXEvent* QtBridge::dequeueEvent()
{
    return s_eventQueue.dequeue();
}

void QtBridge::enqueueEvent(VXEvent* event)
{
    s_eventQueue.enqueue(event);
}

void QtBridge::increaseUIThreadPriority(bool increase)
{
    if (m_thread)
        m_thread->increaseUIThreadPriority(increase);
}

VXIM::Thread QtBridge::getMainUIThread()
{
    return VXIM::Thread::getNamedThread("Qt");
}
