#include "messaging/QtEditArea.h"

#include "messaging/PeerCall.h"

#include <QString>

QtEditArea::QtEditArea(VXWidget* parent)
    : QtPeer<VXEditArea>(parent)
{
}

void QtEditArea::setText(const char* text)
{
    vxpeer::post(this, EDITAREASetTextMsg, text);
}

void QtEditArea::imSetText(const char* text)
{
    vxpeer::post(this, EDITAREAImSetTextMsg, text);
}

std::string QtEditArea::getText()
{
    const std::u16string text = vxpeer::ask<std::u16string>(this, EDITAREAGetTextMsg);
    return QString::fromStdU16String(text).toLocal8Bit().toStdString();
}

void QtEditArea::setFile(const char* path)
{
    vxpeer::post(this, EDITAREASetFileMsg, path);
}

void QtEditArea::setCursorPosToEnd(bool keepAnchor)
{
    vxpeer::post(this, EDITAREASetCursorPosToEndMsg, keepAnchor);
}

void QtEditArea::setWordWrap(bool wrap)
{
    vxpeer::post(this, EDITAREASetWordWrapMsg, wrap);
}

void QtEditArea::setAutoFormatting(bool on)
{
    vxpeer::post(this, EDITAREASetAutoFormattingMsg, on);
}

std::u16string QtEditArea::imGetFontFamily()
{
    return vxpeer::ask<std::u16string>(this, EDITAREAGetFontFamilyMsg);
}
