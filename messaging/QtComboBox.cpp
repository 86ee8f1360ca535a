#include "messaging/QtComboBox.h"

#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtWidgetPeer.h"

#include <QString>

namespace {

std::u16string toU16(const QString& text)
{
    return std::u16string(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

std::u16string fromLocal(const char* text)
{
    return toU16(QString::fromLocal8Bit(text ? text : ""));
}

} // namespace

QtComboBox::QtComboBox(VXWidget* parent)
    : VXComboBox(parent)
{
}

QtComboBox::~QtComboBox()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtComboBox::insertItem(const std::u16string& text, int index)
{
    QtBridge::post(new QtStrIntMessage(this, CMBInsertItemMsg, text, index));
}

void QtComboBox::insertItem(const char* text, int index)
{
    insertItem(fromLocal(text), index);
}

void QtComboBox::insertItems(const std::vector<std::string>& texts, int index)
{
    auto* message = new QtListInt2Message(this, CMBInsertMultItemsMsg);
    for (const std::string& text : texts)
        message->addListItem(text.c_str());
    message->m_int1 = index;
    QtBridge::post(message);
}

void QtComboBox::insertItems(const std::vector<std::u16string>& texts, int index)
{
    auto* message = new QtListInt2Message(this, CMBInsertMultItemsMsg);
    for (const std::u16string& text : texts)
        message->addListItem(text);
    message->m_int1 = index;
    QtBridge::post(message);
}

void QtComboBox::removeItem(int index)
{
    QtWidgetPeer::postInt(this, CMBRemoveItemMsg, index);
}

void QtComboBox::removeAllItems()
{
    QtWidgetPeer::post(this, CMBRemoveAllItemsMsg);
}

void QtComboBox::setCurrentItem(int index)
{
    QtWidgetPeer::postInt(this, CMBSetCurrentItemMsg, index);
}

int QtComboBox::getCurrentItem()
{
    return QtWidgetPeer::sendForResult(this, CMBGetCurrentItemMsg);
}

void QtComboBox::setCurrentText(const char* text)
{
    setCurrentText(fromLocal(text));
}

void QtComboBox::setCurrentText(const std::u16string& text)
{
    QtWidgetPeer::postText(this, CMBSetCurrentTextMsg, text);
}

std::string QtComboBox::getCurrentText()
{
    const std::u16string text = getCurrentTextU();
    return QString::fromUtf16(text.data(), static_cast<int>(text.size()))
        .toLocal8Bit()
        .toStdString();
}

std::u16string QtComboBox::getCurrentTextU()
{
    return QtWidgetPeer::sendForText(this, CMBGetCurrentTextMsg);
}

void QtComboBox::setEditable(bool editable)
{
    QtWidgetPeer::postBool(this, CMBSetEditableMsg, editable);
}

bool QtComboBox::isEditable()
{
    return QtWidgetPeer::sendForResult(this, CMBIsEditableMsg) != 0;
}

void QtComboBox::setMaxVisibleItems(int count)
{
    QtWidgetPeer::postInt(this, CMBSetMaxVisibleItemsMsg, count);
}

int QtComboBox::getMaxVisibleItems()
{
    return QtWidgetPeer::sendForResult(this, CMBGetMaxVisibleItemsMsg);
}

void QtComboBox::setCaseSensitive(bool sensitive)
{
    QtWidgetPeer::postBool(this, CMBSetCaseSensitiveMsg, sensitive);
}

bool QtComboBox::isCaseSensitive()
{
    return QtWidgetPeer::sendForResult(this, CMBIsCaseSensitiveMsg) != 0;
}

void QtComboBox::imSelect(int index)
{
    QtWidgetPeer::postInt(this, CMBSelectMsg, index);
}

void QtComboBox::imSelectByString(const char* text)
{
    imSelectByString(fromLocal(text));
}

void QtComboBox::imSelectByString(const std::u16string& text)
{
    QtWidgetPeer::postText(this, CMBSelectByStringMsg, text);
}

void QtComboBox::imGetAllItems(std::vector<std::string>& texts)
{
    std::vector<std::u16string> wide;
    imGetAllItems(wide);
    texts.clear();
    for (const std::u16string& text : wide)
        texts.push_back(QString::fromUtf16(text.data(), static_cast<int>(text.size()))
                            .toLocal8Bit()
                            .toStdString());
}

void QtComboBox::imGetAllItems(std::vector<std::u16string>& texts)
{
    texts.clear();
    QtMessageHolder reply;
    QtBridge::send(new QtMessage(this, CMBGetAllItemsMsg), &reply);
    const auto* list = dynamic_cast<const QtListInt2Message*>(reply.get());
    if (!list)
        return;
    for (const QString& text : list->m_list)
        texts.push_back(toU16(text));
}

VRIX::VXPoint<int> QtComboBox::imGetPosition()
{
    return QtWidgetPeer::sendForPoint(new QtMessage(this, CMBGetPositionMsg));
}

VRIX::VXPoint<int> QtComboBox::imFindLabelPosition(VXText* label)
{
    return QtWidgetPeer::sendForPoint(
        new QtHandleMessage(this, CMBFindLabelPositionMsg, static_cast<void*>(label)));
}

std::u16string QtComboBox::imGetToolTip()
{
    return QtWidgetPeer::sendForText(this, GetToolTipMsg);
}

void QtComboBox::setRect(int x, int y, int width, int height)
{
    QtWidgetPeer::postRect(this, x, y, width, height);
}

void QtComboBox::setFont(const char* family, int pointSize, int bold, int italic, int underline)
{
    QtWidgetPeer::postFont(this, family, pointSize, bold, italic, underline);
}

void QtComboBox::setForegroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetForegroundColorMsg, red, green, blue);
}

void QtComboBox::setBackgroundColor(int red, int green, int blue)
{
    QtWidgetPeer::postColor(this, SetBackgroundColorMsg, red, green, blue);
}

void QtComboBox::setMaximumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMaximumSizeMsg, width, height);
}

void QtComboBox::setMinimumSize(int width, int height)
{
    QtWidgetPeer::postSize(this, SetMinimumSizeMsg, width, height);
}

void QtComboBox::setFocus()
{
    QtWidgetPeer::post(this, SetFocusMsg);
}

void QtComboBox::setEnabled(bool enabled)
{
    QtWidgetPeer::postBool(this, SetEnableMsg, enabled);
}

bool QtComboBox::isEnabled()
{
    return QtWidgetPeer::sendForResult(this, IsEnabledMsg) != 0;
}

void QtComboBox::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtComboBox::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}

bool QtComboBox::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtComboBox::setToolTip(const std::u16string& toolTip)
{
    QtWidgetPeer::postText(this, SetToolTipMsg, toolTip);
}

void QtComboBox::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}
