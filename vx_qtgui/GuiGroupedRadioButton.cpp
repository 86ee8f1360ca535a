#include "vx_qtgui/GuiGroupedRadioButton.h"

#include "messaging/QtBoolMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCSHAccelEventFilter.h"
#include "vx_qtgui/GuiCommonMessages.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QContextMenuEvent>
#include <QRadioButton>

GuiGroupedRadioButton::GuiGroupedRadioButton(void* key, QWidget* parent, int)
    : QGroupBox(parent)
    , GuiWidget(key)
    , m_layout(new QBoxLayout(QBoxLayout::TopToBottom, this))
    , m_group(new QButtonGroup(this))
{
    GuiApplication::putWidget(key, this);
    installEventFilter(new GuiCSHAccelEventFilter(key, this));
#if QT_VERSION >= QT_VERSION_CHECK(5, 15, 0)
    connect(m_group, &QButtonGroup::idClicked, this, &GuiGroupedRadioButton::buttonClickedEvent);
#else
    connect(m_group, QOverload<int>::of(&QButtonGroup::buttonClicked), this,
        &GuiGroupedRadioButton::buttonClickedEvent);
#endif
}

void GuiGroupedRadioButton::buttonClickedEvent(int id)
{
    GuiCommonMessages::postEvent(m_peerKey, GRBClickedEvent, id, true);
}

void GuiGroupedRadioButton::contextMenuEvent(QContextMenuEvent* event)
{
    GuiCommonMessages::postEvent(m_peerKey, ContextMenuEvent);
    event->accept();
}

void GuiGroupedRadioButton::applyColour(VXMessageType type, QtMessage* msg)
{
    QColor color;
    if (!GuiCommonMessages::colorOf(msg, color))
        return;
    QList<QWidget*> targets { this };
    for (QAbstractButton* button : m_group->buttons())
        targets.append(button);
    for (QWidget* target : targets) {
        if (type == SetShadowColorMsg)
            GuiCommonMessages::setShadowColor(target, color);
        else if (type == SetForegroundColorMsg)
            GuiCommonMessages::setForegroundColor(
                GuiCommonMessages::GroupedRadioButton, target, color);
        else
            GuiCommonMessages::setBackgroundColor(
                GuiCommonMessages::GroupedRadioButton, target, color);
    }
}

void GuiGroupedRadioButton::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case GRBCreateMsg:
        return;
    case GRBInsertRadioButtonsMsg:
        if (auto* labels = dynamic_cast<QtListInt2Message*>(msg)) {
            for (const QString& label : labels->m_list) {
                auto* button = new QRadioButton(label, this);
                button->setFocusPolicy(Qt::StrongFocus);
                m_layout->addWidget(button);
                m_group->addButton(button, m_nextId++);
            }
        }
        return;
    case GRBGetCurrentItemMsg:
        GuiCommonMessages::setResult(msg, m_group->checkedId());
        return;
    case GRBSelectMsg:
    case GRBSetCurrentItemMsg:
        if (auto* index = dynamic_cast<QtIntMessage*>(msg)) {
            if (index->m_int < 0)
                return;
            QAbstractButton* button = m_group->button(index->m_int);
            if (button && !button->isChecked())
                button->toggle();
            // Selecting acts as the user would, even for an id that names no button.
            if (type == GRBSelectMsg)
                buttonClickedEvent(index->m_int);
        }
        return;
    case GRBSetTitleMsg:
        if (auto* title = dynamic_cast<QtStringMessage*>(msg))
            setTitle(title->m_string);
        return;
    case GRBGetNumButtonsMsg:
        GuiCommonMessages::setResult(msg, m_group->buttons().size());
        return;
    case GRBSetOrientHorizontalMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            m_layout->setDirection(
                flag->m_bool ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom);
        return;
    case GRBSetShowBorderMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            setFlat(!flag->m_bool);
        return;
    case SetBackgroundColorMsg:
    case SetForegroundColorMsg:
    case SetShadowColorMsg:
        applyColour(type, msg);
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::GroupedRadioButton, this, this, type, msg);
        return;
    }
}
