#include "vx_qtgui/GuiComboBox.h"

#include "engine/VXEvent.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/DpiScaled.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCSHAccelEventFilter.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiFirstVisitEventFilter.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>
#include <QSignalBlocker>

namespace {

// The platform's combo box height, and the cap of an editable one (device-independent).
const VRIX::DpiScaled<int> kNativeHeight(26);
const VRIX::DpiScaled<int> kEditableMaximumHeight(24);

} // namespace

GuiComboBox::GuiComboBox(void* key, QWidget* parent, const QString& name)
    : QComboBox(parent)
    , GuiWidget(key)
    , m_firstVisitFilter(new GuiFirstVisitEventFilter(this))
{
    setObjectName(name);
    setMaximumHeight(nativeHeight());
    GuiApplication::putWidget(key, this);
    installEventFilter(new GuiCSHAccelEventFilter(key, this));
    installEventFilter(m_firstVisitFilter);
    connect(this, QOverload<int>::of(&QComboBox::activated), this, &GuiComboBox::slotActivated);
    connect(this, &QComboBox::editTextChanged, this, &GuiComboBox::slotEditTextChanged);
}

int GuiComboBox::nativeHeight()
{
    return kNativeHeight;
}

int GuiComboBox::editableMaximumHeight()
{
    return kEditableMaximumHeight;
}

void GuiComboBox::postText(VXEventType type, const QString& text)
{
    auto* event = new VXEvent(type, static_cast<VXWidget*>(m_peerKey));
    event->setUString(std::u16string(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
    event->setString(text.toLocal8Bit().constData());
    event->doEvent();
}

void GuiComboBox::postSelection(int index, const QString& text)
{
    auto* event = new VXEvent(CMBSelectionChangedEvent, static_cast<VXWidget*>(m_peerKey));
    event->setValue(index);
    event->setUString(std::u16string(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
    event->setString(text.toLocal8Bit().constData());
    event->doEvent();
}

void GuiComboBox::slotActivated(int index)
{
    if (!m_applying)
        postSelection(index, currentText());
}

void GuiComboBox::slotEditTextChanged(const QString&)
{
    if (!m_applying)
        GuiCommonMessages::postEvent(m_peerKey, CMBStringChangedEvent);
}

void GuiComboBox::slotCompletionSelected(const QString& text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) {
        QScopedValueRollback<bool> applying(m_applying, true);
        setCurrentIndex(index);
    }
    postSelection(index, text);
}

void GuiComboBox::wireCompleter()
{
    QLineEdit* edit = lineEdit();
    if (!edit)
        return;
    edit->removeEventFilter(m_firstVisitFilter);
    edit->installEventFilter(m_firstVisitFilter);
    if (QCompleter* completer = this->completer()) {
        completer->setCompletionMode(QCompleter::PopupCompletion);
        // Qt's own reaction to a chosen completion also raises activated(int); the choice is
        // reported once, by slotCompletionSelected, which also selects the item.
        QObject::disconnect(
            completer, QOverload<const QModelIndex&>::of(&QCompleter::activated), this, nullptr);
        const auto activated = QOverload<const QString&>::of(&QCompleter::activated);
        QObject::disconnect(completer, activated, this, &GuiComboBox::slotCompletionSelected);
        connect(completer, activated, this, &GuiComboBox::slotCompletionSelected);
    }
}

void GuiComboBox::vxSetEditable(bool editable)
{
    setEditable(editable);
    if (!editable || !lineEdit()) {
        setMaximumHeight(nativeHeight());
        return;
    }
    wireCompleter();
    setMaximumHeight(editableMaximumHeight());
}

void GuiComboBox::vxSelectByString(const QString& text)
{
    const int index = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    {
        QScopedValueRollback<bool> applying(m_applying, true);
        if (index >= 0)
            setCurrentIndex(index);
        else if (isEditable())
            setEditText(text);
        else if (currentIndex() >= 0)
            setItemText(currentIndex(), text);
    }
    GuiCommonMessages::postEvent(m_peerKey, CMBStringChangedEvent);
    QFocusEvent focusOut(QEvent::FocusOut, Qt::OtherFocusReason);
    focusOutEvent(&focusOut);
}

void GuiComboBox::focusInEvent(QFocusEvent* event)
{
    QComboBox::focusInEvent(event);
    if (QCompleter* completer = this->completer()) {
        if (QAbstractItemView* popup = completer->popup()) {
            QFont font = popup->font();
            font.setPointSize(this->font().pointSize());
            popup->setFont(font);
        }
    }
    GuiCommonMessages::postEvent(m_peerKey, CMBFocusGainedEvent);
}

void GuiComboBox::focusOutEvent(QFocusEvent* event)
{
    QComboBox::focusOutEvent(event);
    if (isEditable())
        postText(CMBFocusLostEvent, currentText());
}

void GuiComboBox::keyPressEvent(QKeyEvent* event)
{
    QComboBox::keyPressEvent(event);
    const int key = event->key();
    if (isEditable() && (key == Qt::Key_Return || key == Qt::Key_Enter))
        postText(CMBReturnPressedEvent, currentText());
}

void GuiComboBox::paintEvent(QPaintEvent* event)
{
    QComboBox::paintEvent(event);
    GuiCommonMessages::paintHighlight(this, *this);
}

bool GuiComboBox::handleOwn(VXMessageType type, QtMessage* msg)
{
    auto* text = dynamic_cast<QtStringMessage*>(msg);
    auto* number = dynamic_cast<QtIntMessage*>(msg);
    auto* flag = dynamic_cast<QtBoolMessage*>(msg);
    switch (type) {
    case CMBCreateMsg:
        setInsertPolicy(QComboBox::NoInsert);
        setDuplicatesEnabled(false);
        return true;
    case CMBInsertItemMsg:
        if (auto* item = dynamic_cast<QtStrIntMessage*>(msg)) {
            QSignalBlocker blocker(this);
            insertItem(item->m_int < 0 ? count() : item->m_int, item->m_string);
        }
        return true;
    case CMBInsertMultItemsMsg:
        if (auto* items = dynamic_cast<QtListInt2Message*>(msg)) {
            QSignalBlocker blocker(this);
            insertItems(items->m_int1 < 0 ? count() : items->m_int1, items->m_list);
        }
        return true;
    case CMBRemoveItemMsg:
        if (number)
            removeItem(number->m_int);
        return true;
    case CMBRemoveAllItemsMsg: {
        QSignalBlocker blocker(this);
        clear();
        return true;
    }
    case CMBSetCurrentItemMsg:
        if (number)
            setCurrentIndex(number->m_int);
        return true;
    case CMBGetCurrentItemMsg:
        GuiCommonMessages::setResult(msg, currentIndex());
        return true;
    case CMBSetCurrentTextMsg:
        if (text) {
            QSignalBlocker blocker(this);
            setCurrentIndex(findText(text->m_string, Qt::MatchExactly | Qt::MatchCaseSensitive));
            setEditText(text->m_string);
        }
        return true;
    case CMBGetCurrentTextMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, currentText()));
        return true;
    case CMBSetEditableMsg:
        if (flag)
            vxSetEditable(flag->m_bool);
        return true;
    case CMBIsEditableMsg:
        GuiCommonMessages::setResult(msg, isEditable() ? 1 : 0);
        return true;
    case CMBSetMaxVisibleItemsMsg:
        if (number)
            setMaxVisibleItems(number->m_int);
        return true;
    case CMBGetMaxVisibleItemsMsg:
        GuiCommonMessages::setResult(msg, maxVisibleItems());
        return true;
    case CMBSetCaseSensitiveMsg:
        if (flag && completer())
            completer()->setCaseSensitivity(flag->m_bool ? Qt::CaseSensitive : Qt::CaseInsensitive);
        return true;
    case CMBIsCaseSensitiveMsg:
        GuiCommonMessages::setResult(
            msg, completer() && completer()->caseSensitivity() == Qt::CaseSensitive ? 1 : 0);
        return true;
    case CMBSelectMsg:
        if (number && number->m_int >= 0 && number->m_int < count()) {
            setCurrentIndex(number->m_int);
            postSelection(currentIndex(), currentText());
        }
        return true;
    case CMBSelectByStringMsg:
        if (text)
            vxSelectByString(text->m_string);
        return true;
    case CMBGetAllItemsMsg: {
        auto* reply = new QtListInt2Message(nullptr, type);
        for (int i = 0; i < count(); ++i)
            reply->m_list.append(itemText(i));
        reply->m_int1 = count();
        msg->setReturnMsg(reply);
        return true;
    }
    case CMBGetPositionMsg: {
        auto* reply = new QtInt5Message(nullptr, type);
        reply->m_int1 = x();
        reply->m_int2 = y();
        msg->setReturnMsg(reply);
        return true;
    }
    case CMBFindLabelPositionMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            auto* label = dynamic_cast<QWidget*>(GuiApplication::findWidget(handle->m_handle));
            if (label) {
                auto* reply = new QtInt5Message(nullptr, type);
                reply->m_int1 = label->x();
                reply->m_int2 = label->y();
                msg->setReturnMsg(reply);
            }
        }
        return true;
    default:
        return false;
    }
}

void GuiComboBox::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    // Programmatic changes raise no event; the im messages post theirs explicitly.
    QScopedValueRollback<bool> applying(m_applying, true);
    if (handleOwn(type, msg))
        return;
    GuiCommonMessages::handle(GuiCommonMessages::ComboBox, this, this, type, msg);
}
