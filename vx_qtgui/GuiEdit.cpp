#include "vx_qtgui/GuiEdit.h"

#include "engine/VXEvent.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStrBoolMessage.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtStringMessage.h"
#include "vrix/DpiScaling.h"
#include "vrix/VXUStringList.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCSHAccelEventFilter.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiEventTypes.h"
#include "vx_qtgui/GuiFirstVisitEventFilter.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/VXIMReentrancyProtector.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"

#include <QAbstractItemView>

#include <QContextMenuEvent>
#include <QCursor>
#include <QMenu>
#include <QSignalBlocker>
#include <QStyle>
#include <QToolButton>

#include <memory>

GuiEdit::GuiEdit(void* key, QWidget* parent, const QString& text)
    : QLineEdit(text, parent)
    , GuiWidget(key)
{
    if (key)
        GuiApplication::putWidget(key, this);
    installEventFilter(new GuiCSHAccelEventFilter(key, this));
    installEventFilter(new GuiFirstVisitEventFilter(this));
    connect(this, &QLineEdit::textChanged, this, &GuiEdit::textChangedEvent);
    connect(this, &QLineEdit::returnPressed, this, &GuiEdit::returnPressedEvent);
}

GuiEdit::~GuiEdit()
{
    if (m_completionTimerId != -1)
        killTimer(m_completionTimerId);
}

void GuiEdit::postTextEvent(VXEventType type) const
{
    if (!m_peerKey)
        return;
    auto* event = new VXEvent(type, static_cast<VXWidget*>(m_peerKey));
    event->setUString(text().toStdU16String());
    event->doEvent();
}

void GuiEdit::setEditText(const QString& newText, bool notify)
{
    if (newText == text())
        return;
    if (notify) {
        setText(newText);
        return;
    }
    m_typed = true;
    const QSignalBlocker quiet(this);
    setText(newText);
    // The clear button follows the text even when nobody is told.
    if (m_clearButton)
        m_clearButton->setVisible(m_clearable && !newText.isEmpty());
}

void GuiEdit::textChangedEvent(const QString& newText)
{
    if (m_clearable && m_clearButton)
        m_clearButton->setVisible(!newText.isEmpty());
    if (!m_typed && hasCompleter() && m_autoCompleteData) {
        m_completer->setPrefix(newText);
        if (m_completionTimerId != -1)
            killTimer(m_completionTimerId);
        m_completionTimerId = startTimer(200, Qt::CoarseTimer);
    }
    if (m_peerKey)
        GuiCommonMessages::postEvent(m_peerKey, EDITTextChangedEvent);
}

void GuiEdit::enableAutoComplete(bool enable)
{
    if (enable == hasCompleter())
        return;
    if (!enable) {
        if (m_completionTimerId != -1)
            killTimer(m_completionTimerId);
        m_completionTimerId = -1;
        delete m_completer;
        m_completer = nullptr;
        return;
    }
    m_completer = new GuiCompleter(this);
    connect(m_completer, &GuiCompleter::suggestionChosen, this, &GuiEdit::takeSuggestion);
}

void GuiEdit::takeSuggestion(const QString& suggestion)
{
    // A choice is not typing: it must not refresh the suggestions it came from.
    m_typed = true;
    setText(suggestion);
}

void GuiEdit::refreshCompletion()
{
    m_completer->setPrefix(text());
    m_completer->refresh();
}

void GuiEdit::handleCompletion(VXMessageType type, QtMessage* msg)
{
    if (type == EDITSetAutoCompleteDataMsg) {
        auto* data = dynamic_cast<QtHandleStrBoolMessage*>(msg);
        if (!data)
            return;
        // The records are ours whether or not they are used.
        const std::unique_ptr<VXMEObjectDataList> records = data->take<VXMEObjectDataList>();
        const auto free = [&records] {
            if (records) {
                for (VXMEObjectData* record : *records)
                    delete record;
            }
        };
        if (!m_completer) {
            free();
            return;
        }
        m_autoCompleteData = data->m_bool;
        m_completer->updateModel(records.get(), data->m_string);
        free();
        m_completer->initCustomCompletion();
        if (!m_completer->popup()->isVisible())
            m_completer->showSuggestions();
        return;
    }
    if (type == EDITSetAutoCompleteViewMsg) {
        auto* handle = dynamic_cast<QtHandleMessage*>(msg);
        const std::unique_ptr<VXUStringList> list
            = handle ? handle->take<VXUStringList>() : nullptr;
        if (m_completer && list)
            m_completer->updateView(list.get());
        return;
    }
    if (!m_completer)
        return;
    switch (type) {
    case EDITSetAutoCompleteMatchOptionMsg:
        if (auto* option = dynamic_cast<QtIntMessage*>(msg))
            m_completer->setHostMatchOption(option->m_int);
        return;
    case EDITSetAutoCompleteCompletionModeMsg:
        if (auto* mode = dynamic_cast<QtIntMessage*>(msg))
            m_completer->setHostCompletionMode(mode->m_int);
        return;
    case EDITFillVectorWithAutoCompleteTextMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            GuiCommonMessages::setResult(msg,
                m_completer->fillVectorWithListViewText(
                    static_cast<std::vector<void*>*>(handle->m_handle)));
        }
        return;
    default:
        return;
    }
}

void GuiEdit::returnPressedEvent()
{
    selectAll();
    postTextEvent(EDITReturnPressedEvent);
}

void GuiEdit::timerEvent(QTimerEvent* e)
{
    if (e->timerId() != m_completionTimerId) {
        QLineEdit::timerEvent(e);
        return;
    }
    killTimer(m_completionTimerId);
    m_completionTimerId = -1;
    if (hasCompleter())
        refreshCompletion();
}

bool GuiEdit::event(QEvent* e)
{
    if (e->type() == VRIX::TextEditDoneEventType()) {
        postTextEvent(EDITTextEditDoneEvent);
        return true;
    }
    return QLineEdit::event(e);
}

void GuiEdit::focusOutEvent(QFocusEvent* e)
{
    QLineEdit::focusOutEvent(e);
    postTextEvent(EDITFocusLostEvent);
}

void GuiEdit::keyPressEvent(QKeyEvent* e)
{
    m_typed = false;
    QLineEdit::keyPressEvent(e);
}

void GuiEdit::resizeEvent(QResizeEvent* e)
{
    QLineEdit::resizeEvent(e);
    placeClearButton();
}

void GuiEdit::paintEvent(QPaintEvent* e)
{
    QLineEdit::paintEvent(e);
    GuiCommonMessages::paintHighlight(this, *this);
}

void GuiEdit::contextMenuEvent(QContextMenuEvent* e)
{
    if (!m_customContextMenu) {
        QLineEdit::contextMenuEvent(e);
        return;
    }
    // The host answers, if it wants a menu, with EDITSetCustomContextMenuMsg.
    postTextEvent(EDITContextMenuEvent);
    e->accept();
}

void GuiEdit::showCustomContextMenu(QtMessage* msg)
{
    auto* handle = dynamic_cast<QtHandleMessage*>(msg);
    if (!handle)
        return;
    auto* extra = dynamic_cast<QMenu*>(GuiApplication::findWidget(handle->m_handle));
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    if (extra && !extra->actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(extra->actions());
    }
    // Messages arriving while the menu runs its loop wait for this handler to finish.
    const VXIMReentrancyProtector protector;
    menu->exec(QCursor::pos());
}

void GuiEdit::setClearable(bool clearable, const QString& toolTip)
{
    if (clearable == m_clearable)
        return;
    m_clearable = clearable;
    if (!clearable) {
        if (m_clearButton)
            m_clearButton->hide();
        setStyleSheet(QString());
        return;
    }
    if (!m_clearButton) {
        m_clearButton = new QToolButton(this);
        m_clearButton->setObjectName(QStringLiteral("clearButton"));
        m_clearButton->setIcon(QIcon(VRIX::loadDpiScaledPixmap(GuiUtil::installationPath(
            QStringLiteral("toolbox/shared/orvidesk/resources/clearedit.png")))));
        m_clearButton->setCursor(Qt::ArrowCursor);
        m_clearButton->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0px; }"));
        m_clearButton->setFocusPolicy(Qt::NoFocus);
        connect(m_clearButton, &QToolButton::clicked, this, &QLineEdit::clear);
    }
    if (!toolTip.isEmpty())
        m_clearButton->setToolTip(toolTip);
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize button = m_clearButton->sizeHint();
    setMinimumWidth(qMax(minimumWidth(), button.width() + 2 * frame + 2));
    setStyleSheet(
        QStringLiteral("QLineEdit { padding: 0px %1px 0px 0px;} ").arg(button.width() + frame + 1));
    m_clearButton->setVisible(!text().isEmpty());
    placeClearButton();
}

void GuiEdit::placeClearButton()
{
    if (!m_clearButton)
        return;
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
    const QSize button = m_clearButton->sizeHint();
    m_clearButton->resize(button);
    m_clearButton->move(
        rect().right() - frame - button.width() + 1, (rect().height() - button.height()) / 2);
}

void GuiEdit::setSizeLimit(VXMessageType type, QtMessage* msg)
{
    auto* size = dynamic_cast<QtInt5Message*>(msg);
    if (!size)
        return;
    const bool maximum = type == SetMaximumSizeMsg;
    const int width = size->m_int1;
    const int height = size->m_int2;
    // -1 in one dimension leaves that limit as it is.
    if (width != -1) {
        if (maximum)
            setMaximumWidth(VRIX::toDpiScaled(width));
        else
            setMinimumWidth(VRIX::toDpiScaled(width));
    }
    if (height != -1) {
        if (maximum)
            setMaximumHeight(VRIX::toDpiScaled(height));
        else
            setMinimumHeight(VRIX::toDpiScaled(height));
    }
}

void GuiEdit::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case EDITCreateMsg:
        return;
    case EDITSetTextMsg:
    case EDITImSetTextMsg:
        if (auto* string = dynamic_cast<QtStringMessage*>(msg)) {
            setEditText(string->m_string, type == EDITImSetTextMsg);
            if (type == EDITImSetTextMsg && m_completer)
                m_completer->setPrefix(text());
        }
        return;
    case EDITGetTextMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, text()));
        return;
    case EDITSetPlaceholderTextMsg:
        if (auto* string = dynamic_cast<QtStringMessage*>(msg))
            setPlaceholderText(string->m_string);
        return;
    case EDITGetPlaceholderTextMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, placeholderText()));
        return;
    case EDITSetClearableMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setClearable(flag->m_bool, QString());
        return;
    case EDITSetEchoModeMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg); flag && flag->m_bool != m_password) {
            m_password = flag->m_bool;
            setEchoMode(m_password ? QLineEdit::Password : QLineEdit::Normal);
        }
        return;
    case EDITGetEchoModeMsg:
        GuiCommonMessages::setResult(msg, m_password ? 1 : 0);
        return;
    case EDITSetUseCustomContextMenuMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            m_customContextMenu = flag->m_bool;
        return;
    case EDITSetCustomContextMenuMsg:
        showCustomContextMenu(msg);
        return;
    case EDITFindLabelPositionMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg)) {
            if (auto* label
                = dynamic_cast<QWidget*>(GuiApplication::findWidget(handle->m_handle))) {
                auto* reply = new QtInt5Message(nullptr, type);
                reply->m_int1 = label->x();
                reply->m_int2 = label->y();
                msg->setReturnMsg(reply);
            }
        }
        return;
    case EDITGetPositionMsg: {
        auto* reply = new QtInt5Message(nullptr, type);
        reply->m_int1 = x();
        reply->m_int2 = y();
        msg->setReturnMsg(reply);
        return;
    }
    case GetFontFamilyMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, font().family()));
        return;
    case GetFontSizeMsg:
        GuiCommonMessages::setResult(msg, font().pointSize());
        return;
    case SetFocusMsg:
        setFocus(Qt::OtherFocusReason);
        selectAll();
        return;
    case SetMaximumSizeMsg:
    case SetMinimumSizeMsg:
        setSizeLimit(type, msg);
        return;
    case EDITEnableAutoCompleteMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            enableAutoComplete(flag->m_bool);
        return;
    case EDITSetAutoCompleteViewMsg:
    case EDITSetAutoCompleteDataMsg:
    case EDITSetAutoCompleteMatchOptionMsg:
    case EDITSetAutoCompleteCompletionModeMsg:
    case EDITFillVectorWithAutoCompleteTextMsg:
        handleCompletion(type, msg);
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Edit, this, this, type, msg);
}
