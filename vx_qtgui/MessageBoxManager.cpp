#include "vx_qtgui/MessageBoxManager.h"

#include "engine/VXObject.h"
#include "engine/VXWidget.h"
#include "messaging/QtHandleString6IntMessage.h"
#include "messaging/QtHandleUString6IntMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtString2BoolMessage.h"
#include "messaging/SyncMsgControl.h"
#include "vx_qtgui/GuiLookup.h"
#include "vx_qtgui/GuiObject.h"
#include "vx_qtgui/GuiTextGuard.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QTextDocument>

namespace {

// The GUI object another library registered under the owner's id, as a widget. The owner
// pointer comes from the engine thread and may be stale: it is checked before it is read.
QWidget* ownerWidget(void* target)
{
    const std::uint32_t id = VXObject::findUID(static_cast<VXObject*>(target));
    return id ? dynamic_cast<QWidget*>(VRIX::lookup(id)) : nullptr;
}

void prepareText(QMessageBox& box, const QString& text, VXMessageType type)
{
    const QString simplified = GuiTextGuard::forLabel(text.simplified(), type);
    box.setTextFormat(Qt::mightBeRichText(simplified) ? Qt::RichText : Qt::PlainText);
    box.setText(simplified);
}

const Qt::WindowFlags kBoxFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint;

} // namespace

MessageBoxManager* MessageBoxManager::Instance()
{
    static MessageBoxManager* instance = new MessageBoxManager;
    return instance;
}

int MessageBoxManager::addMessageBox(QMessageBox* box)
{
    const int handle = m_counter++;
    m_handles[handle] = box;
    if (auto* parent = box->parentWidget())
        m_parents[box] = parent;
    return handle;
}

int MessageBoxManager::getNumOfOpenMsgBox(VXWidget* owner) const
{
    QWidget* widget = ownerWidget(owner);
    if (!widget)
        return 0;
    int count = 0;
    for (const auto& entry : m_parents)
        count += entry.second == widget ? 1 : 0;
    return count;
}

void MessageBoxManager::slotDestroyed(QObject* box)
{
    for (auto it = m_handles.begin(); it != m_handles.end(); ++it) {
        if (it->second == box) {
            m_handles.erase(it);
            break;
        }
    }
    m_parents.erase(box);
}

void MessageBoxManager::handleMessage(VXMessageType type, QtMessage& msg)
{
    switch (type) {
    case MSGBOXCreateErrMsg:
    case MSGBOXCreateInfoMsg:
    case MSGBOXCreateWarnMsg:
        createBox(type, msg);
        break;
    case MSGBOXCloseMsgBoxMsg:
        closeBox(msg);
        break;
    case MSGBOXCreateModalAlertMsg:
    case MSGBOXCreateModalAlertUMsg:
        modalAlert(msg);
        break;
    case MSGBOXGetNumOfOpenMsgBoxMsg:
        msg.setReturnMsg(new QtIntMessage(
            msg.m_target, type, getNumOfOpenMsgBox(static_cast<VXWidget*>(msg.m_target))));
        break;
    default:
        break;
    }
}

void MessageBoxManager::createBox(VXMessageType type, QtMessage& msg)
{
    auto* request = dynamic_cast<QtString2BoolMessage*>(&msg);
    if (!request) {
        msg.setReturnMsg(new QtIntMessage(msg.m_target, type, -1));
        return;
    }
    const QMessageBox::Icon icon = type == MSGBOXCreateErrMsg ? QMessageBox::Critical
        : type == MSGBOXCreateInfoMsg                         ? QMessageBox::Information
                                                              : QMessageBox::Warning;
    auto* box = new QMessageBox(
        icon, request->m_string1, QString(), QMessageBox::Ok, ownerWidget(msg.m_target), kBoxFlags);
    prepareText(*box, request->m_string2, type);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(request->m_bool);
    box->show();
    const int handle = addMessageBox(box);
    connect(box, &QObject::destroyed, this, &MessageBoxManager::slotDestroyed);
    msg.setReturnMsg(new QtIntMessage(msg.m_target, type, handle));
}

void MessageBoxManager::closeBox(QtMessage& msg)
{
    auto* request = dynamic_cast<QtIntMessage*>(&msg);
    if (!request)
        return;
    auto it = m_handles.find(request->m_int);
    if (it == m_handles.end())
        return;
    QMessageBox* box = it->second;
    m_parents.erase(box);
    box->close();
}

void MessageBoxManager::modalAlert(QtMessage& msg)
{
    QString title, text, buttons[3], iconPath;
    int defaultButton = 0;
    // The 8-bit and UTF-16 requests carry the same fields.
    auto read = [&](const auto& a) {
        title = a.m_string1, text = a.m_string2, buttons[0] = a.m_string3;
        buttons[1] = a.m_string4, buttons[2] = a.m_string5, defaultButton = a.m_int;
        iconPath = a.m_string6;
    };
    if (auto* a = dynamic_cast<QtHandleString6IntMessage*>(&msg))
        read(*a);
    else if (auto* u = dynamic_cast<QtHandleUString6IntMessage*>(&msg))
        read(*u);
    else
        return;

    QMessageBox box(
        QMessageBox::NoIcon, title, QString(), QMessageBox::NoButton, nullptr, kBoxFlags);
    prepareText(box, text, msg.messageType());
    if (title.left(5).compare(QLatin1String("Error"), Qt::CaseInsensitive) == 0)
        box.setIcon(QMessageBox::Critical);
    else if (title.left(7).compare(QLatin1String("Warning"), Qt::CaseInsensitive) == 0)
        box.setIcon(QMessageBox::Warning);
    else
        box.setIcon(QMessageBox::Information);

    QPushButton* added[3] = { nullptr, nullptr, nullptr };
    for (int i = 0; i < 3; ++i) {
        if (buttons[i].isEmpty())
            continue;
        added[i] = box.addButton(buttons[i], QMessageBox::ActionRole);
        if (defaultButton == i + 1)
            box.setDefaultButton(added[i]);
    }
    if (!iconPath.isEmpty())
        box.setWindowIcon(QPixmap(iconPath));
    box.setWindowFlags(box.windowFlags() & ~Qt::WindowCloseButtonHint);
    box.exec();

    int result = 0;
    QAbstractButton* clicked = box.clickedButton();
    for (int i = 0; i < 3; ++i) {
        if (clicked && clicked == added[i])
            result = i + 1;
    }
    if (msg.m_syncControl)
        msg.m_syncControl->m_returnValue = result;
}
