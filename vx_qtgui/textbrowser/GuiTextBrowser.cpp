#include "vx_qtgui/textbrowser/GuiTextBrowser.h"

#include "engine/VXEvent.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtStringMessage.h"
#include "vrix/services/ServiceRegistry.h"
#include "vrix/services/Translation.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiTextGuard.h"
#include "vx_qtgui/HoverButton.h"
#include "vx_qtgui/textbrowser/TextBrowser.h"

#include <QAction>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QMenu>
#include <QRegExp>
#include <QSignalBlocker>

namespace {

const QString s_images = QStringLiteral("toolbox/shared/orvidesk/resources/informer/");

// Texts of the "vrix:util" catalogue; the key itself when no catalogue answers.
QString catalogueText(const char* key)
{
    auto* translation = VXServices::VXService<VXServices::Translation>::get();
    const char* text = translation ? translation->translate(key) : nullptr;
    return QString::fromLocal8Bit(text ? text : key);
}

HoverButton* makeButton(
    QWidget* parent, const QString& name, const char* onImage, const char* offImage)
{
    auto* button = new HoverButton(parent, name);
    button->setOnImage(s_images + QLatin1String(onImage));
    button->setOffImage(s_images + QLatin1String(offImage));
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

// The link with its scheme and any slashes after it removed, when it has that scheme.
bool stripScheme(const QString& link, const QString& scheme, QString& rest)
{
    if (!link.contains(QRegExp(QLatin1Char('^') + scheme)))
        return false;
    rest = link;
    rest.remove(
        QRegExp(QLatin1Char('^') + scheme + QStringLiteral("|^") + scheme + QStringLiteral("/+")));
    return true;
}

void postLinkEvent(void* key, VXEventType type, const QString& text)
{
    auto* event = new VXEvent(type, static_cast<VXWidget*>(key));
    event->setUString(std::u16string(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size())));
    event->doEvent();
}

void replyList(QtMessage* msg, VXMessageType type, const QStringList& texts)
{
    auto* reply = new QtListInt2Message(nullptr, type);
    reply->m_list = texts;
    reply->m_int1 = texts.size();
    msg->setReturnMsg(reply);
}

} // namespace

GuiTextBrowser::GuiTextBrowser(void* key, QWidget* parent, const QString& name)
    : QWidget(parent)
    , GuiWidget(key)
    , m_name(name.toLocal8Bit())
{
    setObjectName(name);
    GuiApplication::putWidget(key, this);
}

bool GuiTextBrowser::isInformer() const
{
    return m_name == "Informer";
}

void GuiTextBrowser::build()
{
    if (m_view)
        return; // a repeated creation message builds nothing twice
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);

    m_toolBar = new QWidget(this);
    auto* row = new QHBoxLayout(m_toolBar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    m_back = makeButton(m_toolBar, QStringLiteral("back"), "back_on.png", "back_on_disabled.png");
    m_back->setToolTip(QStringLiteral("Back"));
    m_forward = makeButton(
        m_toolBar, QStringLiteral("forward"), "forward_on.png", "forward_on_disabled.png");
    m_forward->setToolTip(QStringLiteral("Forward"));
    m_home = makeButton(m_toolBar, QStringLiteral("home"), "home_on.png", "home_off.png");
    m_home->setToolTip(QStringLiteral("Home"));
    m_back->setEnabled(false);
    m_forward->setEnabled(false);
    m_home->setEnabled(false);
    row->addWidget(m_back);
    row->addWidget(m_forward);
    row->addWidget(m_home);
    row->addStretch(1);

    m_view = new TextBrowser(this);
    m_view->setBackgroundRole(QPalette::Base);
    grid->addWidget(m_toolBar, 0, 0);
    grid->addWidget(m_view, 1, 0);

    if (isInformer())
        buildInformerButtons();
    m_toolBar->setFixedHeight(m_back->sizeHint().height());
    m_toolBar->installEventFilter(this);

    connect(m_back, &QPushButton::clicked, m_view, &TextBrowser::backward);
    connect(m_forward, &QPushButton::clicked, m_view, &TextBrowser::forward);
    connect(m_home, &QPushButton::clicked, m_view, &TextBrowser::home);
    connect(m_view, &QTextBrowser::forwardAvailable, this, &GuiTextBrowser::setForwardAvailable);
    connect(m_view, &QTextBrowser::backwardAvailable, this, &GuiTextBrowser::setBackAvailable);
    connect(m_view, &QTextBrowser::anchorClicked, this, &GuiTextBrowser::setSource);
}

void GuiTextBrowser::buildInformerButtons()
{
    m_pushPin
        = makeButton(m_toolBar, QStringLiteral("pushpin"), "pushpin_off.png", "pushpin_on.png");
    m_pushPin->setCheckable(true);
    m_pushPin->setToolTip(catalogueText("informeralwaysontoptooltip"));
    m_alwaysOnTopMenu = new QMenu(QStringLiteral("Informer"), m_pushPin);
    m_alwaysOnTopMenu->setObjectName(QStringLiteral("Informer"));
    m_alwaysOnTopAction = m_alwaysOnTopMenu->addAction(catalogueText("informeralwaysontop"));
    m_alwaysOnTopAction->setCheckable(true);
    m_alwaysOnTopAction->setChecked(true);
    // The pin shows the state the menu starts with.
    m_pushPin->setChecked(true);
    m_pushPin->setMenu(m_alwaysOnTopMenu);

    m_mode = makeButton(m_toolBar, QStringLiteral("mode"), "down_on.png", "down_off.png");
    m_modeMenu = new QMenu(QStringLiteral("Informer"), m_mode);
    m_modeMenu->setObjectName(QStringLiteral("Informer"));
    m_clickAction = m_modeMenu->addAction(catalogueText("informerclick"));
    m_clickAction->setCheckable(true);
    m_focusAction = m_modeMenu->addAction(catalogueText("informerfocus"));
    m_focusAction->setCheckable(true);
    m_focusAction->setChecked(true);
    m_mode->setMenu(m_modeMenu);
    m_modeMenu->setWindowFlags(m_alwaysOnTopMenu->windowFlags());

    connect(m_pushPin, &QPushButton::toggled, this, &GuiTextBrowser::setAlwaysOnTop);
    connect(
        m_alwaysOnTopAction, &QAction::triggered, this, &GuiTextBrowser::onMnuAlwaysOnTopClicked);
    connect(m_clickAction, &QAction::triggered, this, &GuiTextBrowser::onMnuClickClicked);
    connect(m_focusAction, &QAction::triggered, this, &GuiTextBrowser::onMnuFocusClicked);
}

void GuiTextBrowser::placeInformerButtons()
{
    if (!m_pushPin || !m_mode)
        return;
    const int width = m_toolBar->width();
    m_pushPin->move(width - m_pushPin->width(), 0);
    m_mode->move(m_pushPin->x() - 1 - m_mode->width(), 0);
}

bool GuiTextBrowser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_toolBar && event->type() == QEvent::Resize)
        placeInformerButtons();
    return QWidget::eventFilter(watched, event);
}

void GuiTextBrowser::setBackAvailable(bool b)
{
    if (m_back)
        m_back->setEnabled(b);
}

void GuiTextBrowser::setForwardAvailable(bool b)
{
    if (m_forward)
        m_forward->setEnabled(b);
}

void GuiTextBrowser::setSource(QUrl url)
{
    const QString link = m_view ? m_view->linkText(url) : url.toString(QUrl::FullyDecoded);
    QString rest;
    if (stripScheme(link, QStringLiteral("velmar:"), rest)) {
        postLinkEvent(m_peerKey, HYPClickedEvent, rest);
        return;
    }
    if (stripScheme(link, QStringLiteral("zvgrefresh:"), rest)) {
        postLinkEvent(m_peerKey, TBZVGRefreshClickedEvent, rest);
        return;
    }
    if (m_view)
        m_view->setSourceStr(link);
}

void GuiTextBrowser::setAlwaysOnTop(bool b)
{
    if (m_alwaysOnTopAction) {
        const QSignalBlocker quiet(m_alwaysOnTopAction);
        m_alwaysOnTopAction->setChecked(b);
    }
    GuiCommonMessages::postEvent(m_peerKey, INFAlwaysOnTopToggleEvent, 0, b);
}

void GuiTextBrowser::onMnuAlwaysOnTopClicked()
{
    if (!m_alwaysOnTopAction || !m_pushPin)
        return;
    const bool on = m_alwaysOnTopAction->isChecked();
    {
        const QSignalBlocker quiet(m_pushPin);
        m_pushPin->setChecked(on);
    }
    GuiCommonMessages::postEvent(m_peerKey, INFAlwaysOnTopToggleEvent, 0, on);
}

void GuiTextBrowser::onMnuClickClicked()
{
    if (!m_clickAction || !m_focusAction)
        return;
    m_clickAction->setChecked(true);
    m_focusAction->setChecked(false);
    GuiCommonMessages::postEvent(m_peerKey, INFClickMenuClickedEvent);
}

void GuiTextBrowser::onMnuFocusClicked()
{
    if (!m_clickAction || !m_focusAction)
        return;
    m_clickAction->setChecked(false);
    m_focusAction->setChecked(true);
    GuiCommonMessages::postEvent(m_peerKey, INFFocusMenuClickedEvent);
}

void GuiTextBrowser::setText(const QString& text)
{
    m_view->clearHistory();
    m_richText = Qt::mightBeRichText(text);
    m_view->setText(text);
}

void GuiTextBrowser::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    if (type == BWSCreateMsg) {
        build();
        return;
    }
    if (!m_view)
        return; // nothing to apply to before the creation message
    switch (type) {
    case BWSSetSrcMsg:
        if (auto* text = dynamic_cast<QtStringMessage*>(msg))
            m_view->setSourceStr(text->m_string);
        return;
    case BWSGetSourceMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, m_view->source().toString()));
        return;
    case BWSSetTextMsg:
    case BWSSetTextUMsg:
        if (auto* text = dynamic_cast<QtStringMessage*>(msg))
            setText(GuiTextGuard::forDocument(text->m_string, type));
        return;
    case BWSGetTextMsg:
    case BWSGetTextUMsg:
        msg->setReturnMsg(new QtStringMessage(
            nullptr, type, m_richText ? m_view->toHtml() : m_view->toPlainText()));
        return;
    case BWSSetBufferMsg:
        if (auto* list = dynamic_cast<QtListInt2Message*>(msg)) {
            QList<QString> pages;
            pages.reserve(list->m_list.size());
            for (const QString& page : list->m_list)
                pages.append(GuiTextGuard::forDocument(page, type));
            m_view->setBuffers(pages);
        }
        return;
    case BWSGetBufferMsg:
        replyList(msg, type, m_view->buffers());
        return;
    case BWSSetCurrentBufferMsg:
        if (auto* number = dynamic_cast<QtIntMessage*>(msg))
            m_view->setSourceStr(QStringLiteral("buffer://") + QString::number(number->m_int));
        return;
    case BWSGetCurrentBufferMsg:
        GuiCommonMessages::setResult(msg, m_view->currentBuffer());
        return;
    case BWSSetFilePathMsg:
        if (auto* list = dynamic_cast<QtListInt2Message*>(msg))
            m_view->setSearchPaths(list->m_list);
        return;
    case BWSGetFilePathMsg:
        replyList(msg, type, m_view->searchPaths());
        return;
    case BWSReloadMsg:
        m_view->reload();
        return;
    case BWSEnableHelpMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg))
            m_home->setEnabled(flag->m_bool);
        return;
    case BWSShowToolBarMsg:
        m_toolBar->show();
        return;
    case BWSHideToolBarMsg:
        m_toolBar->hide();
        return;
    case BWSToggleAlwaysOnTopMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg); flag && m_pushPin) {
            const QSignalBlocker quietPin(m_pushPin);
            const QSignalBlocker quietAction(m_alwaysOnTopAction);
            m_pushPin->setChecked(flag->m_bool);
            m_alwaysOnTopAction->setChecked(flag->m_bool);
        }
        return;
    case BWSToggleModeMsg:
        if (auto* flag = dynamic_cast<QtBoolMessage*>(msg); flag && isInformer()) {
            if (flag->m_bool)
                onMnuClickClicked();
            else
                onMnuFocusClicked();
        }
        return;
    case BWSSetExtensionTypeMsg:
        return;
    case SetForegroundColorMsg:
    case SetBackgroundColorMsg:
    case SetFontMsg:
        // The text is drawn by the view.
        GuiCommonMessages::handle(GuiCommonMessages::TextBrowser, m_view, this, type, msg);
        return;
    default:
        GuiCommonMessages::handle(GuiCommonMessages::TextBrowser, this, this, type, msg);
        return;
    }
}
