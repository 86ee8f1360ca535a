#include "messaging/QtEditArea.h"

#include "messaging/QtWidgetPeer.h"

#include <QString>

QtEditArea::QtEditArea(VXWidget* parent)
    : VXEditArea(parent)
{
}

QtEditArea::~QtEditArea()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtEditArea::setText(const char* text)
{
    QtWidgetPeer::postText(this, EDITAREASetTextMsg, text);
}

void QtEditArea::imSetText(const char* text)
{
    QtWidgetPeer::postText(this, EDITAREAImSetTextMsg, text);
}

std::string QtEditArea::getText()
{
    const std::u16string text = QtWidgetPeer::sendForText(this, EDITAREAGetTextMsg);
    return QString::fromStdU16String(text).toLocal8Bit().toStdString();
}

void QtEditArea::setFile(const char* path)
{
    QtWidgetPeer::postText(this, EDITAREASetFileMsg, path);
}

void QtEditArea::setCursorPosToEnd(bool keepAnchor)
{
    QtWidgetPeer::postBool(this, EDITAREASetCursorPosToEndMsg, keepAnchor);
}

void QtEditArea::setWordWrap(bool wrap)
{
    QtWidgetPeer::postBool(this, EDITAREASetWordWrapMsg, wrap);
}

void QtEditArea::setAutoFormatting(bool on)
{
    QtWidgetPeer::postBool(this, EDITAREASetAutoFormattingMsg, on);
}

std::u16string QtEditArea::imGetFontFamily()
{
    return QtWidgetPeer::sendForText(this, EDITAREAGetFontFamilyMsg);
}

void QtEditArea::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtEditArea::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

void QtEditArea::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

void QtEditArea::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtEditArea::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtEditArea::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtEditArea::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtEditArea::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtEditArea::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtEditArea::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtEditArea::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

bool QtEditArea::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

bool QtEditArea::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

bool QtEditArea::getBackgroundColor(double& red, double& green, double& blue)
{
    return QtWidgetPeer::sendForColor(this, GetBackgroundColorMsg, red, green, blue);
}
