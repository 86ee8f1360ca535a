#include "vx_qtgui/GuiEditArea.h"

#include "engine/VXEvent.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCSHAccelEventFilter.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiEventTypes.h"
#include "vx_qtgui/GuiTextGuard.h"
#include "vx_qtgui/textbrowser/CPPSyntaxHiliter.h"

#include <QKeyEvent>
#include <QRegExp>
#include <QSignalBlocker>
#include <QTextStream>

GuiEditArea::GuiEditArea(void* key, QWidget* parent)
    : QTextEdit(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    installEventFilter(new GuiCSHAccelEventFilter(key, this));
    connect(this, &QTextEdit::textChanged, this, &GuiEditArea::textChangedEvent);
    connect(this, &GuiEditArea::focusLost, this, &GuiEditArea::focusLostEvent);
}

void GuiEditArea::postTextEvent(VXEventType type) const
{
    auto* event = new VXEvent(type, static_cast<VXWidget*>(m_peerKey));
    event->setString(toPlainText().toLocal8Bit().constData());
    event->doEvent();
}

void GuiEditArea::textChangedEvent()
{
    GuiCommonMessages::postEvent(m_peerKey, EDITAREATextChangedEvent);
}

void GuiEditArea::focusLostEvent()
{
    postTextEvent(EDITAREAFocusLostEvent);
}

bool GuiEditArea::event(QEvent* e)
{
    if (e->type() == VRIX::TextEditDoneEventType()) {
        postTextEvent(EDITAREATextEditDoneEvent);
        return true;
    }
    return QTextEdit::event(e);
}

void GuiEditArea::keyPressEvent(QKeyEvent* e)
{
    // ControlModifier is the Command key on macOS.
    if ((e->modifiers() & Qt::ControlModifier)
        && (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter)) {
        postTextEvent(EDITAREACtrlEnterEvent);
        e->accept();
        return;
    }
    QTextEdit::keyPressEvent(e);
}

void GuiEditArea::focusOutEvent(QFocusEvent* e)
{
    // The base still stops the cursor; the host hears of the loss through focusLost().
    QTextEdit::focusOutEvent(e);
    emit focusLost();
}

void GuiEditArea::loadFile(const QString& path)
{
    QByteArray contents;
    if (!GuiTextGuard::readFile(path, EDITAREASetFileMsg, contents))
        return;
    // One highlighter at most, and only while a C source is shown; the read-only state stays as
    // it is for other files (the host may have set it).
    auto* hiliter = findChild<CPPSyntaxHiliter*>(QString(), Qt::FindDirectChildrenOnly);
    if (QRegExp(QStringLiteral(".*\\.(c(pp)?|h)$")).exactMatch(path)) {
        setAcceptRichText(false);
        setReadOnly(true);
        if (!hiliter)
            new CPPSyntaxHiliter(this);
    } else {
        delete hiliter;
    }
    QTextStream stream(&contents);
    setText(GuiTextGuard::forDocument(stream.readAll(), EDITAREASetFileMsg));
}

void GuiEditArea::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case EDITAREACreateMsg:
        setTabChangesFocus(true);
        return;
    case EDITAREASetTextMsg:
        if (auto* string = dynamic_cast<QtStringMessage*>(msg)) {
            const QSignalBlocker quiet(this);
            setText(GuiTextGuard::forDocument(string->m_string, type));
        }
        return;
    case EDITAREAImSetTextMsg:
        if (auto* string = dynamic_cast<QtStringMessage*>(msg))
            setText(GuiTextGuard::forDocument(string->m_string, type));
        return;
    case EDITAREAGetTextMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, toPlainText()));
        return;
    case EDITAREASetFileMsg:
        if (auto* path = dynamic_cast<QtStringMessage*>(msg))
            loadFile(path->m_string);
        return;
    case EDITAREASetCursorPosToEndMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg)) {
            // Shows the end of the document, selecting up to it when the anchor is kept.
            QTextCursor cursor = textCursor();
            cursor.movePosition(
                QTextCursor::End, flag->m_bool ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor);
            setTextCursor(cursor);
            ensureCursorVisible();
        }
        return;
    case EDITAREASetWordWrapMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setWordWrapMode(
                flag->m_bool ? QTextOption::WrapAtWordBoundaryOrAnywhere : QTextOption::NoWrap);
        return;
    case EDITAREASetAutoFormattingMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setAcceptRichText(flag->m_bool);
        return;
    case EDITAREAGetFontFamilyMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, currentFont().family()));
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::EditArea, this, this, type, msg);
}
