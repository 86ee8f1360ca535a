#include "messaging/QtTextBrowser.h"

#include "engine/HostFunctions.h"
#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtString2Message.h"
#include "messaging/QtStringMessage.h"

namespace {

void postList(VXWidget* peer, VXMessageType type, const std::list<std::u16string>& texts)
{
    auto* message = new QtListInt2Message(peer, type);
    for (const auto& text : texts)
        message->addListItem(text);
    vxpeer::post(message);
}

} // namespace

QtTextBrowser::QtTextBrowser(VXWidget* parent)
    : QtPeer<VXTextBrowser>(parent)
{
}

void QtTextBrowser::setSource(const std::u16string& source)
{
    vxpeer::post(this, BWSSetSrcMsg, source);
}

std::u16string QtTextBrowser::getSource()
{
    return vxpeer::ask<std::u16string>(this, BWSGetSourceMsg);
}

void QtTextBrowser::reload()
{
    vxpeer::post(this, BWSReloadMsg);
}

void QtTextBrowser::setExtensionType(const char* extension, const char* type)
{
    vxpeer::post(
        new QtString2Message(this, BWSSetExtensionTypeMsg, extension, type, shouldTranslate()));
}

void QtTextBrowser::setText(const char* text)
{
    vxpeer::post(new QtStringMessage(this, BWSSetTextMsg, text ? text : "", shouldTranslate()));
}

void QtTextBrowser::setTextU(const std::u16string& text)
{
    vxpeer::post(this, BWSSetTextUMsg, text);
}

char* QtTextBrowser::getText()
{
    return vxpeer::askDup8(this, BWSGetTextMsg);
}

std::u16string QtTextBrowser::getTextU()
{
    return vxpeer::ask<std::u16string>(this, BWSGetTextUMsg);
}

void QtTextBrowser::setAlwaysOnTop(bool onTop)
{
    vxpeer::post(this, BWSToggleAlwaysOnTopMsg, onTop);
}

void QtTextBrowser::setMode(bool clickMode)
{
    vxpeer::post(this, BWSToggleModeMsg, clickMode);
}

void QtTextBrowser::setBuffer(std::list<std::u16string>& buffers)
{
    postList(this, BWSSetBufferMsg, buffers);
}

void QtTextBrowser::getBuffer(std::list<std::u16string>& buffers)
{
    buffers.splice(buffers.end(), vxpeer::ask<std::list<std::u16string>>(this, BWSGetBufferMsg));
}

void QtTextBrowser::setCurrentBuffer(int number)
{
    vxpeer::post(this, BWSSetCurrentBufferMsg, number);
}

int QtTextBrowser::getCurrentBuffer()
{
    return vxpeer::ask<int>(this, BWSGetCurrentBufferMsg);
}

void QtTextBrowser::setFilePath(std::list<std::u16string>& paths)
{
    postList(this, BWSSetFilePathMsg, paths);
}

void QtTextBrowser::getFilePath(std::list<std::u16string>& paths)
{
    paths.splice(paths.end(), vxpeer::ask<std::list<std::u16string>>(this, BWSGetFilePathMsg));
}

void QtTextBrowser::enableHelp(bool enable)
{
    vxpeer::post(this, BWSEnableHelpMsg, enable);
}

void QtTextBrowser::showToolBar()
{
    vxpeer::post(this, BWSShowToolBarMsg);
}

void QtTextBrowser::hideToolBar()
{
    vxpeer::post(this, BWSHideToolBarMsg);
}
