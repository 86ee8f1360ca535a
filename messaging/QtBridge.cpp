#include "messaging/QtBridge.h"

#include "engine/HostFunctions.h"
#include "engine/VXEvent.h"
#include "engine/VXProgressBar.h"
#include "engine/VXProgressDialog.h"
#include "engine/VXWidget.h"
#include "messaging/MessageText.h"
#include "messaging/QtButton.h"
#include "messaging/QtCheckBox.h"
#include "messaging/QtGroupedRadioButton.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtHandleString6IntMessage.h"
#include "messaging/QtHandleUString6IntMessage.h"
#include "messaging/QtImageCheckBox.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtRadioButton.h"
#include "messaging/QtString2BoolMessage.h"
#include "vx_qtgui/GuiThread.h"

#include <QList>
#include <QMutex>
#include <QMutexLocker>

QtBridge* QtBridge::m_bridge = nullptr;
GuiThread* QtBridge::m_thread = nullptr;

namespace {
QMutex s_queueLock;
QList<VXEvent*> s_eventQueue; // oldest first; owns the events

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
    QMutexLocker lock(&s_queueLock);
    return s_eventQueue.isEmpty() ? nullptr : s_eventQueue.takeFirst();
}

void QtBridge::enqueueEvent(VXEvent* event)
{
    if (!event)
        return;
    QMutexLocker lock(&s_queueLock);
    s_eventQueue.append(event);
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
