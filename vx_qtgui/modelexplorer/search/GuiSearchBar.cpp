#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"

#include "engine/VXEvent.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtString2Message.h"
#include "messaging/QtStringMessage.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/modelexplorer/search/SBComboBox.h"
#include "vx_qtgui/modelexplorer/search/SBComboBoxValidator.h"
#include "vx_qtgui/modelexplorer/search/SBLineEdit.h"

#include <QDoubleValidator>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QStyle>
#include <QToolButton>

namespace {

bool isEditKind(const QString& kind)
{
    return kind == QLatin1String("IntEdit") || kind == QLatin1String("FloatEdit")
        || kind == QLatin1String("StringEdit");
}

bool isComboKind(const QString& kind)
{
    return kind == QLatin1String("Combo") || kind == QLatin1String("DropDown");
}

// The kinds of a description: its entries at even positions.
QStringList kindsOf(const QStringList& description)
{
    QStringList kinds;
    for (int i = 0; i < description.size(); i += 2)
        kinds << description[i];
    return kinds;
}

// Whether a value entered for an edit may be fixed up: only numbers are.
bool fixesUp(const QValidator* validator)
{
    return qobject_cast<const QIntValidator*>(validator)
        || qobject_cast<const QDoubleValidator*>(validator);
}

} // namespace

GuiSearchBar::GuiSearchBar(void* key, QWidget* parent)
    : QToolBar(parent)
    , GuiWidget(key)
    , m_searchLabel(tr("Search:"))
    , m_searchButtonDefault(tr("Search"))
    , m_optionsToolTip(tr("Search options"))
{
    if (key)
        GuiApplication::putWidget(key, this);
    if (auto* window = qobject_cast<QMainWindow*>(parent))
        window->addToolBar(this);
    setStaticWidgets();
    connect(this, &QToolBar::visibilityChanged, this, &GuiSearchBar::sbVisibilityChanged);
}

GuiSearchBar::~GuiSearchBar()
{
    // Hiding and focus changes while the bases tear down must not reach this object's slots.
    disconnect(this, nullptr, this, nullptr);
    m_typeBox->disconnect(this);
    for (QWidget* widget : qAsConst(m_dynamic))
        widget->disconnect(this);
    if (m_optionsMenu)
        m_optionsMenu->disconnect(this);
}

void GuiSearchBar::setCatalogueTexts(
    const QString& searchLabel, const QString& searchButton, const QString& optionsToolTip)
{
    // A text the catalogue lacks leaves the bar's own.
    if (!searchLabel.isEmpty())
        m_searchLabel = searchLabel;
    if (!searchButton.isEmpty())
        m_searchButtonDefault = searchButton;
    if (!optionsToolTip.isEmpty())
        m_optionsToolTip = optionsToolTip;
    m_label->setText(m_searchLabel);
    if (m_searchButton && m_buttonText.isEmpty())
        m_searchButton->setText(m_searchButtonDefault);
    if (m_optionsButton)
        m_optionsButton->setToolTip(m_optionsToolTip);
}

void GuiSearchBar::setStaticWidgets()
{
    m_body = new QWidget(this);
    m_layout = new QHBoxLayout(m_body);
    m_layout->setContentsMargins(2, 2, 2, 2);
    m_layout->setSpacing(4);
    m_label = new QLabel(m_searchLabel, m_body);
    m_typeBox = new SBComboBox(m_body);
    m_typeBox->setObjectName(QStringLiteral("searchType"));
    m_typeBox->setValidator(new SBComboBoxValidator(m_typeBox));
    m_typeBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_label->setBuddy(m_typeBox);
    m_layout->addWidget(m_label);
    m_layout->addWidget(m_typeBox);
    m_layout->addStretch(1);
    connect(m_typeBox, &SBComboBox::cbValueEntered, this, &GuiSearchBar::valueEntered);
    addWidget(m_body);
}

void GuiSearchBar::fillCombo(QComboBox* box, const QString& items)
{
    box->clear();
    if (!items.isEmpty())
        box->addItems(items.split(QLatin1Char('\r')));
}

void GuiSearchBar::setDynamicWidgets(const QStringList& whole, bool focus)
{
    const QStringList description = whole.mid(0, 2 * MaxDynamicPairs);
    if (description.size() != m_previous.size() || kindsOf(description) != kindsOf(m_previous))
        replaceDynamicWidgets(description, focus);
    else
        updateDynamicWidgets(description, focus);
    m_previous = description;
}

void GuiSearchBar::replaceDynamicWidgets(const QStringList& description, bool focus)
{
    qDeleteAll(m_dynamic);
    m_dynamic.clear();
    m_optionsButton = nullptr;
    m_searchButton = nullptr;

    // Inserted before the trailing stretch.
    const auto place = [this](QWidget* widget) {
        m_layout->insertWidget(m_layout->count() - 1, widget);
        m_dynamic << widget;
    };
    QLabel* pendingBuddy = nullptr;
    QList<QWidget*> entries;
    for (int i = 0; i + 1 < description.size(); i += 2) {
        const QString& kind = description[i];
        const QString& value = description[i + 1];
        if (kind == QLatin1String("Label")) {
            auto* label = new QLabel(value, m_body);
            label->setAutoFillBackground(false);
            place(label);
            pendingBuddy = label;
            continue;
        }
        QWidget* entry = nullptr;
        if (isEditKind(kind)) {
            auto* edit = new SBLineEdit(m_body);
            if (kind == QLatin1String("IntEdit"))
                edit->setValidator(new QIntValidator(edit));
            else if (kind == QLatin1String("FloatEdit"))
                edit->setValidator(new QDoubleValidator(edit));
            edit->setMaximumWidth(200);
            edit->setText(value);
            connect(edit, &SBLineEdit::leValueEntered, this, &GuiSearchBar::valueEntered);
            entry = edit;
        } else if (isComboKind(kind)) {
            auto* box = new SBComboBox(m_body);
            fillCombo(box, value);
            if (kind == QLatin1String("DropDown"))
                box->setValidator(new SBComboBoxValidator(box));
            connect(box, &SBComboBox::cbValueEntered, this, &GuiSearchBar::valueEntered);
            entry = box;
        } else {
            continue; // an unknown kind shows nothing
        }
        place(entry);
        if (pendingBuddy)
            pendingBuddy->setBuddy(entry);
        pendingBuddy = nullptr;
        entries << entry;
    }
    addTrailingWidgets(focus && entries.isEmpty());
    for (QWidget* entry : qAsConst(entries)) {
        if (auto* box = qobject_cast<QComboBox*>(entry))
            valueEntered(box, box->currentText());
        else if (auto* edit = qobject_cast<QLineEdit*>(entry))
            valueEntered(edit, edit->text());
    }
    if (focus && !entries.isEmpty())
        entries.first()->setFocus(Qt::OtherFocusReason);
}

void GuiSearchBar::addTrailingWidgets(bool focusButton)
{
    const auto place = [this](QWidget* widget) {
        m_layout->insertWidget(m_layout->count() - 1, widget);
        m_dynamic << widget;
    };
    m_optionsButton = new QToolButton(m_body);
    m_optionsButton->setObjectName(QStringLiteral("searchOptions"));
    const QPixmap arrow = VRIX::loadDpiScaledPixmap(GuiUtil::installationPath(
        QStringLiteral("toolbox/shared/orvidesk/resources/down_arrow.png")));
    m_optionsButton->setIcon(
        arrow.isNull() ? style()->standardIcon(QStyle::SP_ArrowDown) : QIcon(arrow));
    m_optionsButton->setPopupMode(QToolButton::InstantPopup);
    m_optionsButton->setToolTip(m_optionsToolTip);
    if (m_optionsMenu)
        m_optionsButton->setMenu(m_optionsMenu);
    place(m_optionsButton);

    m_searchButton
        = new QPushButton(m_buttonText.isEmpty() ? m_searchButtonDefault : m_buttonText, m_body);
    m_searchButton->setObjectName(QStringLiteral("searchButton"));
    m_searchButton->setFocusPolicy(Qt::TabFocus);
    m_searchButton->setToolTip(m_buttonToolTip);
    m_searchButton->setEnabled(false);
    m_searchButton->installEventFilter(this);
    connect(m_searchButton, &QPushButton::clicked, this, &GuiSearchBar::searchButtonClicked);
    place(m_searchButton);
    if (focusButton)
        m_searchButton->setFocus(Qt::OtherFocusReason);

    place(new QLabel(QStringLiteral(" "), m_body));
}

void GuiSearchBar::updateDynamicWidgets(const QStringList& description, bool focus)
{
    QWidget* first = nullptr;
    for (int i = 0, w = 0; i + 1 < description.size() && w < m_dynamic.size(); i += 2, ++w) {
        QWidget* widget = m_dynamic[w];
        const QString& value = description[i + 1];
        if (auto* label = qobject_cast<QLabel*>(widget)) {
            label->setText(value);
            continue;
        }
        if (!first)
            first = widget;
        // An edit keeps what the user entered; a box gets the new items.
        if (auto* box = qobject_cast<QComboBox*>(widget)) {
            const QString previous = box->currentText();
            fillCombo(box, value);
            const int again = box->findText(previous, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (again >= 0)
                box->setCurrentIndex(again);
        }
    }
    if (!focus)
        return;
    if (first)
        first->setFocus(Qt::OtherFocusReason);
    else if (m_searchButton)
        m_searchButton->setFocus(Qt::OtherFocusReason);
}

QWidget* GuiSearchBar::widgetNumber(int number) const
{
    if (number == 1)
        return m_typeBox;
    int count = 1;
    for (QWidget* widget : m_dynamic) {
        if (widget == m_optionsButton)
            break;
        if (qobject_cast<QLabel*>(widget))
            continue;
        if (++count == number)
            return widget;
    }
    return nullptr;
}

int GuiSearchBar::numberOfWidgets() const
{
    int count = 1;
    for (QWidget* widget : m_dynamic) {
        if (widget == m_optionsButton)
            break;
        if (!qobject_cast<QLabel*>(widget))
            ++count;
    }
    return count;
}

QString GuiSearchBar::widgetValue(int number) const
{
    QWidget* widget = widgetNumber(number);
    if (auto* box = qobject_cast<QComboBox*>(widget))
        return box->currentText();
    if (auto* edit = qobject_cast<QLineEdit*>(widget))
        return edit->text();
    return QString();
}

bool GuiSearchBar::editWidget(int number, const QString& value)
{
    QWidget* widget = widgetNumber(number);
    QString text = value;
    if (auto* box = qobject_cast<QComboBox*>(widget)) {
        if (!text.isEmpty() && box->validator())
            box->validator()->fixup(text);
        const int found = box->findText(text, Qt::MatchFixedString);
        if (found >= 0)
            box->setCurrentIndex(found);
        else if (box->isEditable())
            box->setEditText(text);
        else
            box->setItemText(box->currentIndex(), text);
        valueEntered(box, box->currentText());
        return true;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        if (!text.isEmpty() && fixesUp(edit->validator()))
            edit->validator()->fixup(text);
        edit->setText(text);
        valueEntered(edit, edit->text());
        return true;
    }
    return false;
}

void GuiSearchBar::setActiveSearchType(const QString& type)
{
    const int found = m_typeBox->findText(type, Qt::MatchFixedString);
    if (found >= 0)
        m_typeBox->setCurrentIndex(found);
    else if (m_typeBox->isEditable())
        m_typeBox->setEditText(type);
    else
        m_typeBox->setItemText(m_typeBox->currentIndex(), type);
}

void GuiSearchBar::postValue(VXEventType type, const QString& text, int value) const
{
    if (!m_peerKey)
        return;
    auto* event = new VXEvent(type, static_cast<VXWidget*>(m_peerKey));
    event->setUString(text.toStdU16String());
    event->setValue(value);
    event->doEvent();
}

void GuiSearchBar::valueEntered(QWidget* widget, const QString& text)
{
    if (m_searchButton)
        m_searchButton->setEnabled(true);
    if (widget == m_typeBox)
        postValue(SBSearchTypeEvent, text, 0);
    else
        postValue(SBValueEnteredEvent, text, m_dynamic.indexOf(widget));
}

void GuiSearchBar::searchButtonClicked()
{
    if (m_searchButton)
        m_searchButton->setFocus(Qt::OtherFocusReason);
    if (m_peerKey)
        GuiCommonMessages::postEvent(m_peerKey, SBSearchEvent);
}

void GuiSearchBar::optionsMenuActivated()
{
    if (m_searchButton)
        m_searchButton->setEnabled(true);
}

void GuiSearchBar::sbVisibilityChanged(bool visible)
{
    if (!m_inMessage && m_peerKey)
        GuiCommonMessages::postEvent(m_peerKey, SBVisibilityChangedEvent, visible ? 1 : 0, visible);
}

bool GuiSearchBar::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchButton && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            m_searchButton->click();
            return true;
        }
    }
    return QToolBar::eventFilter(watched, event);
}

void GuiSearchBar::setOptionsMenu(QMenu* menu)
{
    if (m_optionsMenu)
        disconnect(m_optionsMenu, nullptr, this, nullptr);
    m_optionsMenu = menu;
    if (menu)
        connect(menu, &QMenu::triggered, this, &GuiSearchBar::optionsMenuActivated);
    if (m_optionsButton)
        m_optionsButton->setMenu(menu);
}

void GuiSearchBar::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    QScopedValueRollback<bool> inMessage(m_inMessage, true);
    switch (type) {
    case SBCreateMsg:
        return;
    case SBSetLabelMsg:
        if (auto* text = dynamic_cast<QtStringMessage*>(msg))
            setWindowTitle(text->m_string);
        return;
    case SBAddOptionsMenuMsg:
        if (auto* handle = dynamic_cast<QtHandleMessage*>(msg))
            setOptionsMenu(dynamic_cast<QMenu*>(GuiApplication::findWidget(handle->m_handle)));
        return;
    case SBSetSearchTypeListMsg:
        if (auto* list = dynamic_cast<QtListInt2Message*>(msg)) {
            m_typeBox->clear();
            m_typeBox->addItems(list->m_list);
        }
        return;
    case SBSetDynamicWidgetsMsg:
        if (auto* list = dynamic_cast<QtListInt2Message*>(msg))
            setDynamicWidgets(list->m_list, list->m_int1 != 0);
        return;
    case SBSetSearchButtonTextMsg:
        if (auto* texts = dynamic_cast<QtString2Message*>(msg)) {
            m_buttonText = texts->m_string1;
            m_buttonToolTip = texts->m_string2;
            if (m_searchButton) {
                m_searchButton->setText(m_buttonText);
                m_searchButton->setToolTip(m_buttonToolTip);
                m_searchButton->setEnabled(true);
            }
        }
        return;
    case SBSetActiveSearchTypeMsg:
        if (auto* text = dynamic_cast<QtStringMessage*>(msg))
            setActiveSearchType(text->m_string);
        return;
    case SBGetNumOfWidgetsMsg:
        GuiCommonMessages::setResult(msg, numberOfWidgets());
        return;
    case SBGetWidgetValueMsg:
        if (auto* number = dynamic_cast<QtIntMessage*>(msg))
            msg->setReturnMsg(new QtStringMessage(nullptr, type, widgetValue(number->m_int)));
        return;
    case SBGetListMsg:
        if (auto* number = dynamic_cast<QtIntMessage*>(msg)) {
            auto* reply = new QtListInt2Message(nullptr, type);
            if (auto* box = qobject_cast<QComboBox*>(widgetNumber(number->m_int))) {
                for (int i = 0; i < box->count(); ++i)
                    reply->m_list << box->itemText(i);
            }
            msg->setReturnMsg(reply);
        }
        return;
    case SBEditWidgetMsg:
        if (auto* edit = dynamic_cast<QtStrIntMessage*>(msg))
            GuiCommonMessages::setResult(msg, editWidget(edit->m_int, edit->m_string) ? 1 : 0);
        return;
    case SBIsSearchButtonEnabled:
        GuiCommonMessages::setResult(msg, m_searchButton && m_searchButton->isEnabled() ? 1 : 0);
        return;
    case SBPressSearchButtonMsg: {
        const bool pressable = m_searchButton && m_searchButton->isEnabled();
        if (pressable)
            m_searchButton->click();
        GuiCommonMessages::setResult(msg, pressable ? 1 : 0);
        return;
    }
    case ShowMsg:
        show();
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Panel, this, this, type, msg);
}
