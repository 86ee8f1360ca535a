#include "messaging/QtBridge.h"

#include "engine/HostFunctions.h"
#include "engine/VXEvent.h"
#include "engine/VXProgressBar.h"
#include "engine/VXProgressDialog.h"
#include "engine/VXWidget.h"
#include "messaging/MessageText.h"
#include "messaging/PeerCall.h"
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
#include "messaging/QtModelExplorer.h"
#include "messaging/QtPanel.h"
#include "messaging/QtPopupMenu.h"
#include "messaging/QtRadioButton.h"
#include "messaging/QtScrollView.h"
#include "messaging/QtSearchBar.h"
#include "messaging/QtSearchPanel.h"
#include "messaging/QtSlider.h"
#include "messaging/QtSplitter.h"
#include "messaging/QtSpreadSheet.h"
#include "messaging/QtString2BoolMessage.h"
#include "messaging/QtStringIDMapMessage.h"
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
#include "messaging/VXGuiThread.h"
#include "messaging/VXMessageCatalogue.h"
#include "vrix/SanitizerAnnotations.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>

#include <type_traits>
#include <utility>

QtBridge* QtBridge::m_bridge = nullptr;
VXGuiThread* QtBridge::m_thread = nullptr;

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
    // A message that does not fit its row is traced and dropped here, with what it owns.
    if (m_thread && holder && VXMessageCatalogue::fits(*holder, false, "peer"))
        m_thread->postMessage(holder, false);
}

int QtBridge::send(QtMessage* message, QtMessageHolder* reply)
{
    QtMessageHolder holder(message);
    if (!m_thread || !holder || !VXMessageCatalogue::fits(*holder, true, "peer"))
        return 0;
    return m_thread->sendMessage(holder, reply, m_bridge ? m_bridge->sendDeadline() : 0);
}

int QtBridge::deliver(QtMessage* message)
{
    const VXMessageCatalogue::Row* row
        = message ? VXMessageCatalogue::find(message->messageType()) : nullptr;
    if (row && row->delivery == VXMessageCatalogue::Send)
        return send(message);
    post(message);
    return 0;
}

namespace {

// Kinds that can stand alone are built without a parent when none is given.
template <class Peer> Peer* newPeer(VXWidget* parent)
{
    if constexpr (!std::is_constructible_v<Peer, VXWidget*>)
        return new Peer();
    else if constexpr (!std::is_default_constructible_v<Peer>)
        return new Peer(parent);
    else
        return parent ? new Peer(parent) : new Peer();
}

} // namespace

template <class Peer, class Payload, class... Args>
Peer* QtBridge::build(VXWidget* parent, VXMessageType id, Args&&... args)
{
    if (!m_thread)
        return nullptr;
    Peer* peer = newPeer<Peer>(parent);
    deliver(new Payload(peer, id, std::forward<Args>(args)...));
    return peer;
}

void QtBridge::start()
{
    if (m_thread)
        return;
    AutoBlockAsyncSignals blocked;
    m_thread = VXGuiThread::create(0);
    if (!m_thread)
        return;
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
        deliver(new QtHandleMessage(proxy, ProgressBarCreateMsg, parent));
}

void QtBridge::createProgressDialog(VXProgressDialog* proxy, VXWidget* parent)
{
    if (m_thread && proxy)
        deliver(new QtHandleMessage(proxy, ProgressDialogCreateMsg, parent));
}

VXButton* QtBridge::createButton(VXWidget* parent, const char* label)
{
    return build<QtButton, QtHandleStr4Message>(
        parent, BTNCreateMsg, parent, label, "", "", "", true);
}

VXButton* QtBridge::createButton(VXWidget* parent, const std::u16string& label)
{
    return build<QtButton, QtHandleStr4Message>(parent, BTNCreateMsg, parent, label, u"", u"", u"");
}

VXCheckBox* QtBridge::createCheckBox(VXWidget* parent, const char* label)
{
    return build<QtCheckBox, QtHandleStr4Message>(
        parent, CHKCreateMsg, parent, label, "", "", "", true);
}

VXCheckBox* QtBridge::createCheckBox(VXWidget* parent, const std::u16string& label)
{
    return build<QtCheckBox, QtHandleStr4Message>(
        parent, CHKCreateMsg, parent, label, u"", u"", u"");
}

VXRadioButton* QtBridge::createRadioButton(VXWidget* parent)
{
    return build<QtRadioButton, QtHandleMessage>(parent, RBTCreateMsg, parent);
}

VXGroupedRadioButton* QtBridge::createGroupedRadioButton(VXWidget* parent, int count)
{
    return build<QtGroupedRadioButton, QtHandleInt5Message>(parent, GRBCreateMsg, parent, count);
}

VXImageCheckBox* QtBridge::createImageCheckBox(VXWidget* parent, const char* /*name*/)
{
    // The name stays on this side: the widget starts without a caption.
    return build<QtImageCheckBox, QtHandleMessage>(parent, IMGCHKCreateMsg, parent);
}

VXEdit* QtBridge::createEdit(VXWidget* parent, const char* text)
{
    return build<QtEdit, QtHandleStr4Message>(
        parent, EDITCreateMsg, parent, text, "", "", "", true);
}

VXEdit* QtBridge::createEdit(VXWidget* parent, const std::u16string& text)
{
    return build<QtEdit, QtHandleStr4Message>(parent, EDITCreateMsg, parent, text, u"", u"", u"");
}

VXEditArea* QtBridge::createEditArea(VXWidget* parent)
{
    return build<QtEditArea, QtHandleMessage>(parent, EDITAREACreateMsg, parent);
}

VXText* QtBridge::createTextBox(VXWidget* parent, const char* text)
{
    return build<QtText, QtHandleStr4Message>(parent, TXTCreateMsg, parent, text, "", "", "", true);
}

VXText* QtBridge::createTextBox(VXWidget* parent, const std::u16string& text)
{
    return build<QtText, QtHandleStr4Message>(parent, TXTCreateMsg, parent, text, u"", u"", u"");
}

VXSlider* QtBridge::createSlider(VXWidget* parent, const char* name)
{
    return build<QtSlider, QtHandleStr4Message>(
        parent, SliderCreateMsg, parent, name, "", "", "", true);
}

VXImage* QtBridge::createImage(VXWidget* parent, const char* name, const char* path)
{
    return build<QtImage, QtHandleStr4Message>(
        parent, IMGCreateMsg, parent, name, path, "", "", true);
}

VXHyperLink* QtBridge::createHyperLink(VXWidget* parent, const char* text, const char* url)
{
    return build<QtHyperLink, QtHandleStr4Message>(
        parent, HYPCreateMsg, parent, text, url, "", "", true);
}

VXHyperLink* QtBridge::createHyperLink(
    VXWidget* parent, const std::u16string& text, const std::u16string& url)
{
    return build<QtHyperLink, QtHandleStr4Message>(
        parent, HYPCreateMsg, parent, text, url, u"", u"");
}

VXTextBrowser* QtBridge::createTextBrowser(VXWidget* parent, const char* name)
{
    return build<QtTextBrowser, QtHandleStr4Message>(
        parent, BWSCreateMsg, parent, name, "", "", "", true);
}

VXWebBrowser* QtBridge::createWebBrowser(VXWidget* parent, const char* name)
{
    return build<QtWebBrowser, QtHandleStr4Message>(
        parent, WEBCreateMsg, parent, name, "", "", "", true);
}

VXSearchBar* QtBridge::createSearchBar(VXWidget* parent)
{
    return build<QtSearchBar, QtHandleMessage>(parent, SBCreateMsg, parent);
}

VXSearchPanel* QtBridge::createSearchPanel(VXWidget* parent)
{
    return build<QtSearchPanel, QtHandleMessage>(parent, SPCreateMsg, parent);
}

VXSpreadSheet* QtBridge::createSpreadSheet(VXWidget* parent)
{
    return build<QtSpreadSheet, QtHandleMessage>(parent, SSCreateMsg, parent);
}

VXDialog* QtBridge::createDialog(unsigned flags)
{
    return build<QtDialog, QtWFlagsMessage>(nullptr, DLGCreateMsg, flags);
}

VXWindow* QtBridge::createWindow(unsigned flags)
{
    // Sent (its row): the window connects the proxy's emitters while it is built.
    return build<QtWindow, QtWFlagsMessage>(nullptr, WNDCreateMsg, flags);
}

VXPanel* QtBridge::createPanel()
{
    return build<QtPanel, QtMessage>(nullptr, PNLCreate2Msg);
}

VXPanel* QtBridge::createPanel(VXWidget* parent, const char* name)
{
    return build<QtPanel, QtHandleStr4Message>(
        parent, PNLCreateMsg, parent, name, "", "", "", true);
}

VXPanel* QtBridge::createPanel(VXWidget* parent, const std::u16string& name)
{
    return build<QtPanel, QtHandleStr4Message>(parent, PNLCreateMsg, parent, name, u"", u"", u"");
}

VXGroupBox* QtBridge::createGroupBox(VXWidget* parent, const char* title)
{
    return build<QtGroupBox, QtHandleStr4Message>(
        parent, GRPCreateMsg, parent, title, "", "", "", true);
}

VXGroupBox* QtBridge::createGroupBox(VXWidget* parent, const std::u16string& title)
{
    return build<QtGroupBox, QtHandleStr4Message>(
        parent, GRPCreateMsg, parent, title, u"", u"", u"");
}

VXTogglePanel* QtBridge::createTogglePanel(VXWidget* parent, const char* /*title*/)
{
    // The header starts without a caption; the title stays on this side.
    return build<QtTogglePanel, QtHandleMessage>(parent, TGLPNCreateMsg, parent);
}

VXScrollView* QtBridge::createScrollView(VXWidget* parent)
{
    return build<QtScrollView, QtHandleMessage>(parent, SVCreateMsg, parent);
}

VXWidgetStack* QtBridge::createWidgetStack(VXWidget* parent)
{
    return build<QtWidgetStack, QtHandleMessage>(parent, WSCreateMsg, parent);
}

VXSplitter* QtBridge::createSplitter(VXWidget* parent, const char* orientation, const char* name)
{
    // Sent (its row): the splitter connects the proxy's emitters while it is built.
    return build<QtSplitter, QtHandleStr4Message>(
        parent, SPLTCreateMsg, parent, orientation, name, "", "", true);
}

VXTabBar* QtBridge::createTabBar(VXWidget* parent)
{
    return build<QtTabBar, QtHandleMessage>(parent, TABBARCreateMsg, parent);
}

VXTab* QtBridge::createTab(VXWidget* parent)
{
    return build<QtTab, QtHandleMessage>(parent, TABCreateMsg, parent);
}

VXGridLayout* QtBridge::createGridLayout(VXWidget* parent, int rows, int columns)
{
    return build<QtGridLayout, QtHandleInt5Message>(
        parent, LAYCreateGrid1Msg, parent, rows, columns);
}

VXGridLayout* QtBridge::createGridLayout(int rows, int columns)
{
    return build<QtGridLayout, QtInt5Message>(nullptr, LAYCreateGrid2Msg, rows, columns);
}

VXHBoxLayout* QtBridge::createHBoxLayout(VXWidget* parent)
{
    return build<QtHBoxLayout, QtHandleMessage>(parent, LAYCreateHBox1Msg, parent);
}

VXHBoxLayout* QtBridge::createHBoxLayout()
{
    return build<QtHBoxLayout, QtMessage>(nullptr, LAYCreateHBox2Msg);
}

VXVBoxLayout* QtBridge::createVBoxLayout(VXWidget* parent)
{
    return build<QtVBoxLayout, QtHandleMessage>(parent, LAYCreateVBox1Msg, parent);
}

VXVBoxLayout* QtBridge::createVBoxLayout()
{
    return build<QtVBoxLayout, QtMessage>(nullptr, LAYCreateVBox2Msg);
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
    deliver(new QtActionMessage(peer, ACTCreateMsg, parent, text, accel, icon, statusTip, toolTip,
        whatsThis, toggle, on, enabled, visible));
    return peer;
}

VXPopupMenu* QtBridge::createPopupMenu(VXWidget* parent)
{
    // Sent (its row): the menu connects to the proxy's emitters before the host can fire them.
    return build<QtPopupMenu, QtHandleMessage>(parent, POPCreateMsg, parent);
}

VXToolBar* QtBridge::createToolBar(VXWidget* parent)
{
    return build<QtToolBar, QtHandleMessage>(parent, TOOLCreateMsg, parent);
}

VXModelExplorer* QtBridge::createModelExplorer(std::map<int, std::u16string>& strings)
{
    if (!m_thread)
        return nullptr;
    auto* peer = new QtModelExplorer();
    auto* message = new QtStringIDMapMessage(peer, MECreateMsg);
    for (const auto& entry : strings)
        message->addPair(entry.first, entry.second);
    deliver(message);
    return peer;
}

VXComboBox* QtBridge::createComboBox(VXWidget* parent, const char* text)
{
    return build<QtComboBox, QtHandleStr4Message>(
        parent, CMBCreateMsg, parent, text, "", "", "", true);
}

VXComboBox* QtBridge::createComboBox(VXWidget* parent, const std::u16string& text)
{
    return build<QtComboBox, QtHandleStr4Message>(
        parent, CMBCreateMsg, parent, text, u"", u"", u"");
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
    return vxpeer::askReplyInt(message, -1);
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
    return vxpeer::askReplyInt(new QtMessage(owner, MSGBOXGetNumOfOpenMsgBoxMsg), 0);
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
