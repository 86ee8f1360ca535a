#include "messaging/QtComboBox.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtStringMessage.h"

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
    : QtPeer<VXComboBox>(parent)
{
}

void QtComboBox::insertItem(const std::u16string& text, int index)
{
    vxpeer::post(new QtStrIntMessage(this, CMBInsertItemMsg, text, index));
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
    vxpeer::post(message);
}

void QtComboBox::insertItems(const std::vector<std::u16string>& texts, int index)
{
    auto* message = new QtListInt2Message(this, CMBInsertMultItemsMsg);
    for (const std::u16string& text : texts)
        message->addListItem(text);
    message->m_int1 = index;
    vxpeer::post(message);
}

void QtComboBox::removeItem(int index)
{
    vxpeer::post(this, CMBRemoveItemMsg, index);
}

void QtComboBox::removeAllItems()
{
    vxpeer::post(this, CMBRemoveAllItemsMsg);
}

void QtComboBox::setCurrentItem(int index)
{
    vxpeer::post(this, CMBSetCurrentItemMsg, index);
}

int QtComboBox::getCurrentItem()
{
    return vxpeer::ask<int>(this, CMBGetCurrentItemMsg);
}

void QtComboBox::setCurrentText(const char* text)
{
    setCurrentText(fromLocal(text));
}

void QtComboBox::setCurrentText(const std::u16string& text)
{
    vxpeer::post(this, CMBSetCurrentTextMsg, text);
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
    return vxpeer::ask<std::u16string>(this, CMBGetCurrentTextMsg);
}

void QtComboBox::setEditable(bool editable)
{
    vxpeer::post(this, CMBSetEditableMsg, editable);
}

bool QtComboBox::isEditable()
{
    return vxpeer::ask<bool>(this, CMBIsEditableMsg);
}

void QtComboBox::setMaxVisibleItems(int count)
{
    vxpeer::post(this, CMBSetMaxVisibleItemsMsg, count);
}

int QtComboBox::getMaxVisibleItems()
{
    return vxpeer::ask<int>(this, CMBGetMaxVisibleItemsMsg);
}

void QtComboBox::setCaseSensitive(bool sensitive)
{
    vxpeer::post(this, CMBSetCaseSensitiveMsg, sensitive);
}

bool QtComboBox::isCaseSensitive()
{
    return vxpeer::ask<bool>(this, CMBIsCaseSensitiveMsg);
}

void QtComboBox::imSelect(int index)
{
    vxpeer::post(this, CMBSelectMsg, index);
}

void QtComboBox::imSelectByString(const char* text)
{
    imSelectByString(fromLocal(text));
}

void QtComboBox::imSelectByString(const std::u16string& text)
{
    vxpeer::post(this, CMBSelectByStringMsg, text);
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
    const auto items = vxpeer::ask<std::list<std::u16string>>(this, CMBGetAllItemsMsg);
    texts.assign(items.begin(), items.end());
}

VRIX::VXPoint<int> QtComboBox::imGetPosition()
{
    return vxpeer::ask<VRIX::VXPoint<int>>(new QtMessage(this, CMBGetPositionMsg));
}

VRIX::VXPoint<int> QtComboBox::imFindLabelPosition(VXText* label)
{
    return vxpeer::ask<VRIX::VXPoint<int>>(
        new QtHandleMessage(this, CMBFindLabelPositionMsg, static_cast<void*>(label)));
}

void QtComboBox::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}
