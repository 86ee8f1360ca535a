#include "vx_qtgui/GuiCommonMessages.h"

#include "engine/VXEvent.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtDoubleArrayMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/SyncMsgControl.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiConversions.h"
#include "vx_qtgui/GuiLimits.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/GuiWidget.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <initializer_list>

namespace {

const QPalette::ColorGroup kAllGroups[]
    = { QPalette::Active, QPalette::Inactive, QPalette::Disabled };

// Which common ids each kind takes, in the order of GuiCommonMessages::Kind.
const std::initializer_list<int> kHandled[] = {
    { 12, 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 28, 30, 35 }, // Button
    { 5, 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 28, 29, 30, 35, 37, 38 }, // CheckBox
    { 5, 9, 12, 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 30, 35, 37, 38 }, // ComboBox
    { 5, 9, 12, 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 30, 35, 37, 38 }, // Edit
    { 5, 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 28, 30, 35 }, // EditArea
    { 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 28, 30, 35 }, // Text
    { 5, 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 28, 29, 30, 35 }, // GroupedRadioButton
    { 13, 15, 16, 22 }, // RadioButton
    { 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 28, 30, 35 }, // HyperLink
    { 13, 15, 16, 21, 22, 26, 27, 28, 30, 35 }, // Image
    { 13, 15, 16, 19, 21, 23 }, // GroupBox
    { 12, 13, 15, 16, 19, 21, 23, 28, 30, 35 }, // Panel
    { 13, 15, 16, 19, 21, 35 }, // Tab
    { 13, 15, 16, 19, 21, 28, 30, 35 }, // TogglePanel
    { 13, 15, 16, 19, 21 }, // TabBar
    { 13, 15, 16, 19, 21 }, // WidgetStack
    { 13, 16, 35 }, // Splitter
    { 35 }, // ScrollView
    { 26, 27 }, // Slider
    { 5, 13, 15, 35 }, // Dialog
    { 13, 15, 16, 19, 21, 22, 23, 24, 26, 27, 28, 30, 35 }, // TextBrowser
    { 13, 15, 16, 21, 26, 27, 30, 35 }, // WebBrowser
};

bool isContainer(GuiCommonMessages::Kind kind)
{
    switch (kind) {
    case GuiCommonMessages::GroupBox:
    case GuiCommonMessages::Panel:
    case GuiCommonMessages::Tab:
    case GuiCommonMessages::TogglePanel:
    case GuiCommonMessages::TabBar:
    case GuiCommonMessages::WidgetStack:
    case GuiCommonMessages::Text:
    case GuiCommonMessages::HyperLink:
    case GuiCommonMessages::Dialog:
        return true;
    default:
        return false;
    }
}

// Edit-like kinds colour only the active group; every other kind colours all groups.
bool activeGroupOnly(GuiCommonMessages::Kind kind)
{
    return kind == GuiCommonMessages::Edit || kind == GuiCommonMessages::ComboBox
        || kind == GuiCommonMessages::EditArea;
}

QPalette::ColorRole foregroundRole(GuiCommonMessages::Kind kind)
{
    switch (kind) {
    case GuiCommonMessages::Button:
        return QPalette::ButtonText;
    case GuiCommonMessages::ComboBox:
    case GuiCommonMessages::EditArea:
    case GuiCommonMessages::TextBrowser:
        return QPalette::Text;
    default:
        // Check box and group texts are drawn as window text.
        return QPalette::WindowText;
    }
}

QPalette::ColorRole backgroundRole(GuiCommonMessages::Kind kind)
{
    switch (kind) {
    case GuiCommonMessages::Button:
        return QPalette::Button;
    case GuiCommonMessages::CheckBox:
    case GuiCommonMessages::GroupedRadioButton:
    case GuiCommonMessages::Edit:
    case GuiCommonMessages::ComboBox:
    case GuiCommonMessages::EditArea:
    case GuiCommonMessages::TextBrowser:
        return QPalette::Base;
    default:
        return QPalette::Window;
    }
}

// The foreground getter of edit-like kinds reads the text role, whatever role the setter uses.
QPalette::ColorRole foregroundGetterRole(GuiCommonMessages::Kind kind)
{
    return activeGroupOnly(kind) ? QPalette::Text : foregroundRole(kind);
}

void setRole(QWidget* widget, QPalette::ColorRole role, const QColor& color, bool activeOnly)
{
    QPalette palette = widget->palette();
    const QBrush brush(color, Qt::SolidPattern);
    if (activeOnly) {
        palette.setBrush(QPalette::Active, role, brush);
    } else {
        for (QPalette::ColorGroup group : kAllGroups)
            palette.setBrush(group, role, brush);
    }
    widget->setPalette(palette);
}

// A native style ignores button colours; such buttons are drawn with a plain style instead.
void useColourableStyle(QWidget* widget)
{
    auto* proxy = qobject_cast<QProxyStyle*>(widget->style());
    if (!proxy || !proxy->baseStyle() || !proxy->baseStyle()->inherits("QMacStyle"))
        return;
    static QPointer<QStyle> windowsStyle;
    if (!windowsStyle) {
        windowsStyle = QStyleFactory::create(QStringLiteral("windows"));
        if (windowsStyle && QCoreApplication::instance())
            windowsStyle->setParent(QCoreApplication::instance());
    }
    if (windowsStyle)
        widget->setStyle(windowsStyle);
}

void replyColor(QtMessage* msg, VXMessageType type, const QColor& color)
{
    auto* reply = new QtDoubleArrayMessage(nullptr, type);
    const double values[3] = { double(color.red()), double(color.green()), double(color.blue()) };
    reply->setValues(values, 3);
    msg->setReturnMsg(reply);
}

int scaled(int value)
{
    return VRIX::toDpiScaled(value);
}

void applyFont(QWidget* widget, const QtStrInt4Message& msg)
{
    QFont font = widget->font();
    if (!msg.m_string.isEmpty())
        font.setFamily(msg.m_string);
    if (msg.m_int1 > 0)
        font.setPointSize(std::min(msg.m_int1, GuiLimits::MaxPointSize));
    if (msg.m_int2 != -1)
        font.setWeight(msg.m_int2 ? QFont::Bold : QFont::Normal);
    if (msg.m_int3 != -1)
        font.setItalic(msg.m_int3 != 0);
    if (msg.m_int4 != -1)
        font.setUnderline(msg.m_int4 != 0);
    widget->setFont(font);
}

} // namespace

bool GuiCommonMessages::handles(Kind kind, VXMessageType type)
{
    const auto& ids = kHandled[kind];
    return std::find(ids.begin(), ids.end(), int(type)) != ids.end();
}

bool GuiCommonMessages::handle(
    Kind kind, QWidget* widget, GuiWidget* peer, VXMessageType type, QtMessage* msg)
{
    if (!widget || !msg || !handles(kind, type))
        return false;
    QColor color;
    switch (type) {
    case GetBackgroundColorMsg:
        replyColor(msg, type, widget->palette().color(QPalette::Active, backgroundRole(kind)));
        return true;
    case GetForegroundColorMsg:
        replyColor(
            msg, type, widget->palette().color(QPalette::Active, foregroundGetterRole(kind)));
        return true;
    case GetToolTipMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, widget->toolTip()));
        return true;
    case HideMsg:
        widget->hide();
        return true;
    case IsEnabledMsg:
        setResult(msg, widget->testAttribute(Qt::WA_Disabled) ? 0 : 1);
        return true;
    case IsVisibleMsg:
        setResult(msg, widget->testAttribute(Qt::WA_WState_Visible) ? 1 : 0);
        return true;
    case SetBackgroundColorMsg:
        if (!colorOf(msg, color))
            return false;
        setBackgroundColor(kind, widget, color);
        return true;
    case SetEnableMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg)) {
            widget->setEnabled(flag->m_bool);
            return true;
        }
        return false;
    case SetFocusMsg:
        widget->setFocus(Qt::OtherFocusReason);
        return true;
    case SetFontMsg:
        if (auto* font = dynamic_cast<QtStrInt4Message*>(msg)) {
            applyFont(widget, *font);
            return true;
        }
        return false;
    case SetForegroundColorMsg:
        if (!colorOf(msg, color))
            return false;
        setForegroundColor(kind, widget, color);
        return true;
    case SetMaximumSizeMsg:
    case SetMinimumSizeMsg:
        if (auto* size = dynamic_cast<QtInt5Message*>(msg)) {
            const QSize scaledSize(
                std::min(scaled(GuiLimits::extent(size->m_int1)), GuiLimits::MaxExtent),
                std::min(scaled(GuiLimits::extent(size->m_int2)), GuiLimits::MaxExtent));
            if (type == SetMaximumSizeMsg)
                widget->setMaximumSize(scaledSize);
            else
                widget->setMinimumSize(scaledSize);
            return true;
        }
        return false;
    case SetRectMsg:
        if (auto* rect = dynamic_cast<QtRectMessage*>(msg)) {
            widget->setGeometry(VRIX::toDpiScaled(hostRect(*rect)));
            return true;
        }
        return false;
    case SetShadowColorMsg:
        if (!colorOf(msg, color))
            return false;
        setShadowColor(widget, color);
        return true;
    case SetToolTipMsg:
        if (auto* text = dynamic_cast<QtStringMessage*>(msg)) {
            widget->setToolTip(text->m_string);
            return true;
        }
        return false;
    case ShowMsg:
        widget->show();
        if (kind == CheckBox || kind == GroupedRadioButton)
            widget->updateGeometry();
        return true;
    case SetWidgetHighlightColorMsg:
        if (auto* highlight = dynamic_cast<QtInt5Message*>(msg); highlight && peer) {
            peer->doSetWidgetHighlight(highlight->m_int1 != 0, highlight->m_int2, highlight->m_int3,
                highlight->m_int4, highlight->m_int5);
            widget->update();
            return true;
        }
        return false;
    case IsWidgetHighlightedMsg:
        setResult(msg, peer && peer->doIsWidgetHighlighted() ? 1 : 0);
        return true;
    default:
        return false;
    }
}

void GuiCommonMessages::setForegroundColor(Kind kind, QWidget* widget, const QColor& color)
{
    if (widget)
        setRole(widget, foregroundRole(kind), color, activeGroupOnly(kind));
}

void GuiCommonMessages::setBackgroundColor(Kind kind, QWidget* widget, const QColor& color)
{
    if (!widget)
        return;
    if (kind == Button)
        useColourableStyle(widget);
    if (isContainer(kind))
        widget->setAutoFillBackground(true);
    setRole(widget, backgroundRole(kind), color, activeGroupOnly(kind));
}

void GuiCommonMessages::setShadowColor(QWidget* widget, const QColor& color)
{
    if (widget)
        setRole(widget, QPalette::Shadow, color, false);
}

bool GuiCommonMessages::colorOf(const QtMessage* msg, QColor& color)
{
    const auto* rgb = dynamic_cast<const QtInt5Message*>(msg);
    if (!rgb)
        return false;
    color = QColor(std::clamp(rgb->m_int1, 0, 255), std::clamp(rgb->m_int2, 0, 255),
        std::clamp(rgb->m_int3, 0, 255), 255);
    return true;
}

void GuiCommonMessages::paintHighlight(QWidget* widget, const GuiWidget& peer)
{
    if (!widget || !peer.doIsWidgetHighlighted())
        return;
    QPainter painter(widget);
    GuiUtil::paintHighlight(&painter, widget->rect(),
        QColor(std::clamp(peer.highlightRed(), 0, 255), std::clamp(peer.highlightGreen(), 0, 255),
            std::clamp(peer.highlightBlue(), 0, 255)),
        peer.highlightAlpha());
}

void GuiCommonMessages::postEvent(void* key, VXEventType type)
{
    // The event checks the key against the registry: a peer already gone gives no event.
    (new VXEvent(type, static_cast<VXWidget*>(key)))->doEvent();
}

void GuiCommonMessages::postEvent(void* key, VXEventType type, int value, bool state)
{
    auto* event = new VXEvent(type, static_cast<VXWidget*>(key));
    event->setValue(value);
    event->setState(state);
    event->doEvent();
}

void GuiCommonMessages::setResult(QtMessage* msg, int value)
{
    if (msg && msg->m_syncControl)
        msg->m_syncControl->m_returnValue = value;
}
