#include "messaging/QtTextBrowser.h"

#include "engine/HostFunctions.h"
#include "messaging/QtBridge.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtString2Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtWidgetPeer.h"

namespace {

std::u16string toU16(const QString& text)
{
    return std::u16string(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

void postList(VXWidget* peer, VXMessageType type, const std::list<std::u16string>& texts)
{
    auto* message = new QtListInt2Message(QtWidgetPeer::key(peer), type);
    for (const auto& text : texts)
        message->addListItem(text);
    QtBridge::post(message);
}

// Appends the strings of a list reply; nothing without one.
void sendForList(VXWidget* peer, VXMessageType type, std::list<std::u16string>& out)
{
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(QtWidgetPeer::key(peer), type), &reply);
    const auto* list = dynamic_cast<const QtListInt2Message*>(reply.get());
    if (!list)
        return;
    for (const QString& text : list->m_list)
        out.push_back(toU16(text));
}

} // namespace

QtTextBrowser::QtTextBrowser(VXWidget* parent)
    : VXTextBrowser(parent)
{
}

QtTextBrowser::~QtTextBrowser()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtTextBrowser::setSource(const std::u16string& source)
{
    QtWidgetPeer::postText(this, BWSSetSrcMsg, source);
}

std::u16string QtTextBrowser::getSource()
{
    return QtWidgetPeer::sendForText(this, BWSGetSourceMsg);
}

void QtTextBrowser::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtTextBrowser::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtTextBrowser::reload()
{
    QtWidgetPeer::post(this, BWSReloadMsg);
}

void QtTextBrowser::setExtensionType(const char* extension, const char* type)
{
    QtBridge::post(new QtString2Message(
        QtWidgetPeer::key(this), BWSSetExtensionTypeMsg, extension, type, shouldTranslate()));
}

void QtTextBrowser::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtTextBrowser::setText(const char* text)
{
    QtBridge::post(new QtStringMessage(
        QtWidgetPeer::key(this), BWSSetTextMsg, text ? text : "", shouldTranslate()));
}

void QtTextBrowser::setTextU(const std::u16string& text)
{
    QtWidgetPeer::postText(this, BWSSetTextUMsg, text);
}

char* QtTextBrowser::getText()
{
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(QtWidgetPeer::key(this), BWSGetTextMsg), &reply);
    const auto* text = dynamic_cast<const QtStringMessage*>(reply.get());
    if (!text)
        return nullptr;
    return utStrdup(text->m_string.toLocal8Bit().constData());
}

std::u16string QtTextBrowser::getTextU()
{
    return QtWidgetPeer::sendForText(this, BWSGetTextUMsg);
}

void QtTextBrowser::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

bool QtTextBrowser::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtTextBrowser::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtTextBrowser::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtTextBrowser::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtTextBrowser::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtTextBrowser::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtTextBrowser::setAlwaysOnTop(bool onTop)
{
    QtWidgetPeer::postBool(this, BWSToggleAlwaysOnTopMsg, onTop);
}

void QtTextBrowser::setMode(bool clickMode)
{
    QtWidgetPeer::postBool(this, BWSToggleModeMsg, clickMode);
}

void QtTextBrowser::setBuffer(std::list<std::u16string>& buffers)
{
    postList(this, BWSSetBufferMsg, buffers);
}

void QtTextBrowser::getBuffer(std::list<std::u16string>& buffers)
{
    sendForList(this, BWSGetBufferMsg, buffers);
}

void QtTextBrowser::setCurrentBuffer(int number)
{
    QtWidgetPeer::postInt(this, BWSSetCurrentBufferMsg, number);
}

int QtTextBrowser::getCurrentBuffer()
{
    return QtWidgetPeer::sendForResult(this, BWSGetCurrentBufferMsg);
}

void QtTextBrowser::setFilePath(std::list<std::u16string>& paths)
{
    postList(this, BWSSetFilePathMsg, paths);
}

void QtTextBrowser::getFilePath(std::list<std::u16string>& paths)
{
    sendForList(this, BWSGetFilePathMsg, paths);
}

void QtTextBrowser::enableHelp(bool enable)
{
    QtWidgetPeer::postBool(this, BWSEnableHelpMsg, enable);
}

void QtTextBrowser::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtTextBrowser::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtTextBrowser::showToolBar()
{
    QtWidgetPeer::post(this, BWSShowToolBarMsg);
}

void QtTextBrowser::hideToolBar()
{
    QtWidgetPeer::post(this, BWSHideToolBarMsg);
}

void QtTextBrowser::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}
