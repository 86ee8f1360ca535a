#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include "messaging/QtString4Message.h"
#include "messaging/QtStringMessage.h"
#include "vrix/gui/PixmapLoading.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiUtil.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QStyle>
#include <QToolButton>

namespace {

// The installation's picture, or the style's stand-in where the installation has none.
QIcon resourceIcon(const char* name, QStyle::StandardPixmap fallback)
{
    const QPixmap pixmap = VRIX::loadDpiScaledPixmap(GuiUtil::installationPath(
        QStringLiteral("toolbox/shared/orvidesk/resources/") + QLatin1String(name)));
    return pixmap.isNull() ? QApplication::style()->standardIcon(fallback) : QIcon(pixmap);
}

// An empty label keeps its line.
QString shown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral(" ") : text;
}

} // namespace

GuiSearchPanel::GuiSearchPanel(void* key, QWidget* parent)
    : QFrame(parent)
    , GuiWidget(key)
    , m_expandIcon(resourceIcon("expand.png", QStyle::SP_ArrowDown))
    , m_collapseIcon(resourceIcon("collapse.png", QStyle::SP_ArrowUp))
    , m_expandTip(tr("Show search details"))
    , m_collapseTip(tr("Hide search details"))
{
    if (key)
        GuiApplication::putWidget(key, this);
    createPanelLayout();
}

GuiSearchPanel::~GuiSearchPanel() = default;

void GuiSearchPanel::createPanelLayout()
{
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    m_header = new QLabel(tr("Search Results"), this);
    QFont bold = m_header->font();
    bold.setBold(true);
    m_header->setFont(bold);
    m_results = new QLabel(QStringLiteral(" "), this);
    m_results->setWordWrap(true);
    m_options = new QLabel(QStringLiteral(" "), this);
    m_options->setWordWrap(true);
    m_condition = new QLabel(QStringLiteral(" "), this);
    m_condition->setWordWrap(true);
    m_expandButton = new QToolButton(this);
    m_expandButton->setObjectName(QStringLiteral("expandCollapse"));
    m_expandButton->setAutoRaise(true);
    connect(m_expandButton, &QToolButton::clicked, this, &GuiSearchPanel::slotExpandCollapse);
    m_closeButton = new QToolButton(this);
    m_closeButton->setObjectName(QStringLiteral("close"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(
        resourceIcon("CloseTabButton-Unselected.png", QStyle::SP_TitleBarCloseButton));
    connect(m_closeButton, &QToolButton::clicked, this, &QWidget::hide);

    layout->addWidget(m_header, 0, 0);
    layout->addWidget(m_closeButton, 0, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(m_results, 1, 0, 1, 2);
    layout->addWidget(m_expandButton, 1, 2, Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(m_options, 2, 0, 1, 3);
    layout->addWidget(m_condition, 3, 0, 1, 3);
    layout->setColumnStretch(0, 1);
    applyExpanded();
}

void GuiSearchPanel::setCatalogueTexts(
    const QString& title, const QString& expandTip, const QString& collapseTip)
{
    // A text the catalogue lacks leaves the panel's own.
    if (!title.isEmpty())
        m_header->setText(title);
    if (!expandTip.isEmpty())
        m_expandTip = expandTip;
    if (!collapseTip.isEmpty())
        m_collapseTip = collapseTip;
    applyExpanded();
}

void GuiSearchPanel::setSearchLabels(const QString& results, const QString& options,
    const QString& condition, const QString& warning)
{
    m_texts[0] = results;
    m_texts[1] = options;
    m_texts[2] = condition;
    m_texts[3] = warning;
    m_results->setText(shown(results));
    m_options->setText(shown(options));
    m_condition->setText(shown(warning.isEmpty() ? condition : warning));
}

void GuiSearchPanel::slotExpandCollapse()
{
    m_expanded = !m_expanded;
    applyExpanded();
}

void GuiSearchPanel::applyExpanded()
{
    m_options->setVisible(m_expanded);
    m_condition->setVisible(m_expanded);
    m_expandButton->setIcon(m_expanded ? m_collapseIcon : m_expandIcon);
    m_expandButton->setToolTip(m_expanded ? m_collapseTip : m_expandTip);
}

void GuiSearchPanel::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case SPCreateMsg:
        return;
    case SPSetSearchLabelMsg:
        if (auto* texts = dynamic_cast<QtString4Message*>(msg)) {
            setSearchLabels(texts->m_string1, texts->m_string2, texts->m_string3, texts->m_string4);
        }
        return;
    case SPGetResultsTextMsg:
    case SPGetOptionsTextMsg:
    case SPGetConditionTextMsg:
    case SPGetWarningTextMsg: {
        const int which = type == SPGetResultsTextMsg ? 0
            : type == SPGetOptionsTextMsg             ? 1
            : type == SPGetConditionTextMsg           ? 2
                                                      : 3;
        msg->setReturnMsg(new QtStringMessage(nullptr, type, m_texts[which]));
        return;
    }
    case SPIsExpandedMsg:
        GuiCommonMessages::setResult(msg, m_expanded ? 1 : 0);
        return;
    case SPCollapseMsg:
    case SPExpandMsg:
        if (m_expanded != (type == SPExpandMsg))
            slotExpandCollapse();
        GuiCommonMessages::setResult(msg, 1);
        return;
    case SPClickCloseButtonMsg:
        m_closeButton->click();
        return;
    default:
        break;
    }
    GuiCommonMessages::handle(GuiCommonMessages::Panel, this, this, type, msg);
}
