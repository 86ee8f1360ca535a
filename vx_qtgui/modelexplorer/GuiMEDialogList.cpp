#include "vx_qtgui/modelexplorer/GuiMEDialogList.h"

#include "engine/VXWidget.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "vrix/DpiScaling.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/GuiMEHyperlink.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"
#include "vx_qtgui/modelexplorer/ODProgressBar.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/search/GuiFilterEventFilter.h"
#include "vx_qtgui/modelexplorer/search/GuiListFilter.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include <QAction>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

// Host handles travel through signals as plain pointers; Qt never looks inside.
Q_DECLARE_OPAQUE_POINTER(UDInterface*)

namespace {

constexpr int kIconColumnWidth = 20;
const QColor kSearchBackground(233, 233, 233);

} // namespace

GuiMEDialogList::GuiMEDialogList(GuiModelExplorer* explorer, QWidget* parent)
    : QWidget(parent)
    , m_explorer(explorer)
    , m_layout(new QVBoxLayout(this))
    , m_tabBar(new QTabBar(this))
    , m_contentsRow(new QWidget(this))
    , m_contentsLabel(new QLabel(GuiModelExplorer::xlate_ME(3), m_contentsRow))
    , m_hyperlink(new GuiMEHyperlink(explorer, m_contentsRow))
    , m_scopeButton(new QToolButton(m_contentsRow))
    , m_filterEdit(new GuiEdit(nullptr, this))
    , m_busyBar(new ODProgressBar(this))
{
    setObjectName(QStringLiteral("dialogList"));
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);

    // Header block: tab bar, "contents of" row and filter field. The search panel goes right
    // under it, at position 1.
    auto* top = new QWidget(this);
    auto* topLayout = new QVBoxLayout(top);
    topLayout->setContentsMargins(0, 0, 0, 0);
    topLayout->setSpacing(0);
    m_tabBar->setShape(QTabBar::RoundedSouth);
    m_tabBar->setDrawBase(false);
    m_tabBar->addTab(GuiModelExplorer::xlate_ME(1));
    m_tabBar->addTab(GuiModelExplorer::xlate_ME(2));
    connect(m_tabBar, &QTabBar::currentChanged, this, &GuiMEDialogList::tabChanged);
    topLayout->addWidget(m_tabBar);

    auto* row = new QHBoxLayout(m_contentsRow);
    row->setContentsMargins(5, 5, 5, 5);
    row->setSpacing(4);
    m_hyperlink->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    m_scopeButton->setAutoRaise(true);
    m_scopeButton->setObjectName(QStringLiteral("scopeButton"));
    m_scopeButton->hide();
    connect(
        m_scopeButton, &QToolButton::triggered, explorer, &GuiModelExplorer::slotScopeGUIChanged);
    row->addWidget(m_contentsLabel);
    row->addWidget(m_hyperlink, 1);
    row->addWidget(m_scopeButton);
    topLayout->addWidget(m_contentsRow);

    m_filterEdit->setObjectName(QStringLiteral("Filter Contents"));
    m_filterEdit->setPlaceholderText(GuiModelExplorer::xlate_ME(23));
    m_filterEdit->setClearButtonEnabled(true);
    for (QAction* action : m_filterEdit->findChildren<QAction*>())
        action->setToolTip(GuiModelExplorer::xlate_ME(24));
    new GuiFilterEventFilter(m_filterEdit);
    topLayout->addWidget(m_filterEdit);
    m_layout->addWidget(top);

    createListView();
    m_layout->addWidget(m_listView, 1);
    m_layout->addWidget(m_busyBar);

    m_filterEdit->setFont(m_listView->font());
    const int clearButton = m_filterEdit->style()->pixelMetric(QStyle::PM_SmallIconSize) + 4;
    m_filterEdit->setMinimumWidth(
        m_filterEdit->fontMetrics().horizontalAdvance(m_filterEdit->placeholderText()) + 8
        + clearButton);
    // Resizes move the splitters: the window reports them to the host.
    if (explorer)
        installEventFilter(explorer);
}

GuiMEDialogList::~GuiMEDialogList()
{
    // The view and the filter use the models: they go first.
    delete m_filter;
    m_filter = nullptr;
    delete m_listView;
    m_listView = nullptr;
    delete m_proxy;
    delete m_model;
}

void GuiMEDialogList::createListView()
{
    m_model = new ListModel(false);
    m_model->setHeaderInfo(
        0, QStringLiteral(" "), VRIX::toDpiScaled(kIconColumnWidth), false, QString());
    m_proxy = new ListProxyModel;
    m_proxy->setSourceModel(m_model);
    auto* owner = m_explorer ? static_cast<VXWidget*>(m_explorer->peerKey()) : nullptr;
    m_listView = new GuiListView(m_model, m_proxy, owner, this);
    m_listView->setFreezeColumn(1);
    m_listView->setUseSelectionDelay(true);
    m_filter = new GuiListFilter(m_filterEdit, m_proxy);
    m_listView->setFilter(this);
    connect(m_filter, &GuiListFilter::filterChanged, this, [this](const QString&) {
        m_listView->viewport()->update();
        if (GuiListView* frozen = m_listView->freezeView())
            frozen->viewport()->update();
    });
    connect(m_listView, &GuiListView::invalidateFilter, this, [this](bool) {
        if (!getFilterString().isEmpty())
            m_filter->applyFilter();
    });
    connectListToWindow();
}

// The list's signals that the window turns into host events.
void GuiMEDialogList::connectListToWindow()
{
    GuiModelExplorer* w = m_explorer;
    if (!w)
        return;
    GuiListView* v = m_listView;
    connect(m_filter, &GuiListFilter::filterChanged, w, &GuiModelExplorer::slotListFilterChanged);
    connect(v, &GuiListView::modelChanged, w, &GuiModelExplorer::slotModelChanged);
    connect(v, &GuiListView::viewSelectionChanged, w, [w](bool hasSelection) {
        if (hasSelection)
            w->slotViewSelectionChanged(false);
    });
    connect(v, &GuiBaseView::dialogUpdate, w,
        [w](ListItem* item) { w->slotDialogUpdateRequest(item ? item->object : nullptr); });
    connect(v, &GuiListView::rightButtonClicked, w,
        [w, v](QPoint position, bool inWhitespace, bool, QModelIndex index) {
            w->slotRightButtonClicked(position, false, inWhitespace,
                index.isValid() ? v->propertyName(index.column()) : QString());
        });
    connect(v, &GuiListView::columnsReordered, w, &GuiModelExplorer::slotColumnsReordered);
    connect(v, &GuiBaseView::dragStart, w, [w](bool) { w->slotDragStart(true); });
    connect(v, &GuiBaseView::dragEnter, w, &GuiModelExplorer::slotDragEnter);
    connect(v, &GuiBaseView::dropQuery, w,
        [w](VXMEObjectEventData* target, bool, Qt::MouseButtons buttons) {
            w->slotDropQuery(target, true, int(buttons));
        });
    connect(v, &GuiBaseView::drop, w,
        [w](UDInterface* target, bool, int x, int y) { w->slotDrop(target, true, x, y); });
    connect(v, &GuiListView::statusMessageChanged, w, &GuiModelExplorer::slotStatusMessageChanged);
    // The list view tells the host about grouping itself; the window's slot would repeat it.
    connect(w, &GuiModelExplorer::listSourceChanged, this, &GuiMEDialogList::slotListSourceChanged);
    connect(w, &GuiModelExplorer::viewFocusChanged, this, &GuiMEDialogList::slotViewFocusChanged);
}

void GuiMEDialogList::slotListSourceChanged(VXMEObjectEventData*)
{
    clearFilter();
    m_model->clearPendingItems();
}

void GuiMEDialogList::slotViewFocusChanged(bool treeHasFocus)
{
    if (treeHasFocus)
        m_listView->clearFakeSelection();
}

void GuiMEDialogList::setHyperlink(UDInterface* object, const QString& text, bool enabled)
{
    m_hyperlink->setHyperlink(object, text, enabled);
}

UDInterface* GuiMEDialogList::getHyperlink() const
{
    return m_hyperlink->getHyperlink();
}

bool GuiMEDialogList::isHyperlinkEnabled() const
{
    return m_hyperlink->isLinkEnabled();
}

QString GuiMEDialogList::contentsOfText() const
{
    return m_hyperlink->linkText().trimmed();
}

void GuiMEDialogList::showContentsOfHyperlink(bool show)
{
    m_hyperlink->setVisible(show);
}

void GuiMEDialogList::showContentsOf(bool show)
{
    m_contentsRow->setVisible(show);
}

void GuiMEDialogList::showFilterContents(bool show)
{
    m_filterEdit->setVisible(show);
}

void GuiMEDialogList::setTabBarVisible(bool visible)
{
    m_tabBar->setVisible(visible);
}

bool GuiMEDialogList::isTabBarVisible() const
{
    return !m_tabBar->isHidden();
}

bool GuiMEDialogList::executeTabBar(int index)
{
    if (index < 0 || index >= m_tabBar->count())
        return false;
    if (index == m_tabBar->currentIndex())
        tabChanged(index);
    else
        m_tabBar->setCurrentIndex(index);
    return true;
}

void GuiMEDialogList::tabChanged(int index)
{
    if (m_ignoreTabChange || index < 0)
        return;
    clearFilter();
    if (m_explorer)
        m_explorer->notifyTabBarSelectionChanged(index);
}

void GuiMEDialogList::setScopeAction(QAction* action)
{
    if (!action)
        return;
    m_scopeButton->setDefaultAction(action);
    m_scopeButton->show();
}

void GuiMEDialogList::clearFilter()
{
    if (m_filterEdit->text().isEmpty())
        return;
    m_filterEdit->clear();
    m_filter->applyFilter();
}

QString GuiMEDialogList::filterText() const
{
    return m_filterEdit->text();
}

void GuiMEDialogList::setFilterString(const QString& text)
{
    m_filter->imSetFilterString(text);
    m_filter->applyFilter();
}

GuiSearchPanel* GuiMEDialogList::searchPanel() const
{
    return qobject_cast<GuiSearchPanel*>(m_searchPanel.data());
}

void GuiMEDialogList::addSearchPanel(GuiSearchPanel* panel)
{
    if (!panel || panel == m_searchPanel)
        return;
    if (m_searchPanel)
        m_searchPanel->removeEventFilter(this);
    m_searchPanel = panel;
    panel->hide();
    panel->setParent(this);
    m_layout->insertWidget(1, panel);
    panel->move(0, 0);
    panel->resize(panel->sizeHint());
    panel->hide();
    panel->installEventFilter(this);
}

void GuiMEDialogList::setInfoPanel(QWidget* panel)
{
    if (panel == m_infoPanel)
        return;
    if (QWidget* old = m_infoPanel.data()) {
        m_layout->removeWidget(old);
        old->hide();
    }
    m_infoPanel = panel;
    if (!panel)
        return;
    panel->setParent(this, Qt::Widget);
    m_layout->insertWidget(m_layout->indexOf(m_busyBar), panel);
    panel->show();
}

// The search panel's own show and hide switch the list in and out of search mode.
bool GuiMEDialogList::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_searchPanel.data() && !event->spontaneous()) {
        if (event->type() == QEvent::Show)
            setSearchMode(true);
        else if (event->type() == QEvent::Hide)
            setSearchMode(false);
    }
    return QWidget::eventFilter(watched, event);
}

void GuiMEDialogList::setSearchMode(bool on)
{
    if (on == m_listView->searchMode())
        return;
    m_ignoreTabChange = true;
    QPalette colors = m_listView->palette();
    if (on) {
        colors.setColor(QPalette::Base, kSearchBackground);
        m_listView->setPalette(colors);
    } else {
        m_listView->setPalette(QPalette());
    }
    m_listView->setAcceptDrops(!on);
    m_listView->viewport()->setAcceptDrops(!on);
    m_tabBar->setCurrentIndex(on ? 1 : 0);
    m_listView->setSearchMode(on);
    m_ignoreTabChange = false;
}

QString GuiMEDialogList::getFilterString() const
{
    return m_filter ? m_filter->getFilterString() : QString();
}

void GuiMEDialogList::imSetFilterString(const QString& text)
{
    setFilterString(text);
}

QString GuiMEDialogList::getFilterColumn() const
{
    return m_filter ? m_filter->getFilterColumn() : QString();
}

void GuiMEDialogList::highLight(
    const QString& text, const QRect& rect, const QFontMetrics& metrics, QPainter* painter) const
{
    if (m_filter)
        m_filter->highLight(text, rect, metrics, painter);
}
