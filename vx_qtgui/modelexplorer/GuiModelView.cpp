#include "vx_qtgui/modelexplorer/GuiModelView.h"

#include "engine/VXAction.h"
#include "engine/VXDebugOutputLogging.h"
#include "engine/modelexplorer/VXMEEditTypeData.h"
#include "engine/modelexplorer/VXMEObjectDataFactory.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtStr2Int2Message.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtString2Message.h"
#include "messaging/QtString5Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtUIDsMessage.h"
#include "messaging/VXMessageCatalogue.h"
#include "vrix/DpiScaling.h"
#include "vrix/services/ServiceRegistry.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiPixmapDB.h"
#include "vx_qtgui/modelexplorer/GuiExplorerEvents.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogList.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogListView.h"
#include "vx_qtgui/modelexplorer/GuiMEDialogPanel.h"
#include "vx_qtgui/modelexplorer/GuiMEHyperlink.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"
#include "vx_qtgui/modelexplorer/GuiTreePanel.h"
#include "vx_qtgui/modelexplorer/ODCustListTreeView.h"
#include "vx_qtgui/modelexplorer/ODProgressBar.h"
#include "vx_qtgui/modelexplorer/itemmodels/AutoReset.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoSelectListItem.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoUpdate.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QTimerEvent>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

// Host handles travel through signals as plain pointers; Qt never looks inside.
Q_DECLARE_OPAQUE_POINTER(UDInterface*)

namespace {

constexpr int kMinListWidth = 200;
constexpr int kBusyDelayMs = 2000;

using Factory = VXServices::VXService<VXServices::VXMEObjectDataFactory>;

void trace(const char* what, const char* name)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    char line[200];
    std::snprintf(line, sizeof line, "explorer model view - %s: %s\n", what, name ? name : "?");
    VXDebugOutputLogging::output(line);
}

template <class P> P* as(QtMessage& msg)
{
    return dynamic_cast<P*>(&msg);
}

QString textOf(QtMessage& msg)
{
    auto* p = as<QtStringMessage>(msg);
    return p ? p->m_string : QString();
}

bool flagOf(QtMessage& msg)
{
    auto* p = as<QtBoolMessage>(msg);
    return p && p->m_bool;
}

template <class T> T* handleOf(QtMessage& msg)
{
    auto* p = as<QtHandleMessage>(msg);
    return p ? static_cast<T*>(p->m_handle) : nullptr;
}

void reply(QtMessage& msg, int value)
{
    GuiCommonMessages::setResult(&msg, value);
}

void replyText(QtMessage& msg, VXMessageType type, const QString& text)
{
    msg.setReturnMsg(new QtStringMessage(nullptr, type, text));
}

// Plain records naming `objects`, for the list view's record-based selection calls.
struct TemporaryRecords {
    explicit TemporaryRecords(const std::vector<UDInterface*>& objects)
    {
        for (UDInterface* object : objects)
            list.push_back(new VXMEObjectData(object));
    }
    ~TemporaryRecords()
    {
        for (VXMEObjectData* record : list)
            delete record;
    }
    TemporaryRecords(const TemporaryRecords&) = delete;
    TemporaryRecords& operator=(const TemporaryRecords&) = delete;
    VXMEObjectDataList list;
};

// Records the host frees with its list: the host's own kind where its factory is installed.
void appendRecords(VXMEObjectDataList* out, const std::vector<UDInterface*>& objects)
{
    VXServices::VXMEObjectDataFactory* factory = Factory::get();
    for (UDInterface* object : objects) {
        VXMEObjectData* record = factory ? factory->createEventData(object) : nullptr;
        out->push_back(record ? record : new VXMEObjectData(object));
    }
}

QAction* actionOf(void* key)
{
    return key ? dynamic_cast<QAction*>(GuiApplication::findWidget(key)) : nullptr;
}

} // namespace

GuiModelView::GuiModelView(GuiModelExplorer* explorer)
    : GuiMESplitter(explorer, 1, Qt::Horizontal)
    , m_explorer(explorer)
    , m_treePanel(new GuiTreePanel(explorer))
    , m_treeSide(new ODCustListTreeView(explorer, m_treePanel, this))
    , m_dialogListView(new GuiMEDialogListView(explorer, this))
{
    setObjectName(QStringLiteral("modelView"));
    addWidget(m_treeSide);
    addWidget(m_dialogListView);
    setSizes({ VRIX::toDpiScaled(kMinListWidth), VRIX::toDpiScaled(5 * kMinListWidth) });
    connectTreeToWindow(explorer);
}

GuiModelView::~GuiModelView()
{
    if (m_listLoadTimerId != -1)
        killTimer(m_listLoadTimerId);
}

GuiMEDialogList* GuiModelView::dialogList() const
{
    return m_dialogListView->dialogList();
}

GuiMEDialogPanel* GuiModelView::dialogPane() const
{
    return m_dialogListView->dialogPanel();
}

GuiListView* GuiModelView::listView() const
{
    return dialogList()->listView();
}

// The tree's signals, in the window's terms.
void GuiModelView::connectTreeToWindow(GuiModelExplorer* w)
{
    if (!w)
        return;
    GuiTreeView* tree = m_treePanel->view();
    connect(
        tree, &GuiTreeView::viewSelectionChanged, w, &GuiModelExplorer::slotViewSelectionChanged);
    connect(tree, &GuiTreeView::rightButtonClicked, w,
        [w](const QPoint& position, bool, bool onWhitespace, const QModelIndex&) {
            w->slotRightButtonClicked(position, true, onWhitespace, QString());
        });
    connect(tree, &GuiTreeView::treeExpanded, w, &GuiModelExplorer::slotTreeExpanded);
    connect(tree, &GuiTreeView::treeCollapsed, w, &GuiModelExplorer::slotTreeCollapsed);
    connect(
        tree, &GuiTreeView::treeSelectionChanged, w, &GuiModelExplorer::slotTreeSelectionChanged);
    connect(tree, &GuiTreeView::treeItemDoubleClicked, w,
        [w](ListItem* item) { w->slotTreeItemDoubleClicked(item ? item->object : nullptr); });
    connect(tree, &GuiTreeView::subtreeReplaceRequested, w, [w](VXMEObjectEventData* record) {
        GuiExplorerEvents(w->peerKey()).record(MESubtreeReplaceRequest, record);
    });
    connect(tree, &GuiBaseView::dialogUpdate, w,
        [w](ListItem* item) { w->slotDialogUpdateRequest(item ? item->object : nullptr); });
    connect(tree, &GuiBaseView::dragStart, w, [w](bool) { w->slotDragStart(false); });
    connect(tree, &GuiBaseView::dragEnter, w, &GuiModelExplorer::slotDragEnter);
    connect(tree, &GuiBaseView::dropQuery, w,
        [w](VXMEObjectEventData* target, bool, Qt::MouseButtons buttons) {
            w->slotDropQuery(target, false, int(buttons));
        });
    connect(tree, &GuiBaseView::drop, w,
        [w](UDInterface* target, bool, int x, int y) { w->slotDrop(target, false, x, y); });
    connect(tree, &GuiBaseView::checkboxStateChanged, w, [w](ListItem* item, bool checked) {
        if (item)
            w->slotCheckboxStateChanged(item->object, checked);
    });
    connect(m_treeSide, &GuiTreeAccordion::accordionChanged, w, [w](const QString& name) {
        GuiExplorerEvents(w->peerKey()).text(MEAccordionChangedEvent, name);
    });
    connect(w, &GuiModelExplorer::viewFocusChanged, tree, &GuiTreeView::setTreeHasSelectionFocus);
}

// Layout ---------------------------------------------------------------------------------------

void GuiModelView::showTreeView(bool show)
{
    m_treeSide->setVisible(show);
}

void GuiModelView::showListView(bool show)
{
    dialogList()->setVisible(show);
}

void GuiModelView::setDlgListViewLayoutVert(bool vertical)
{
    m_dialogListView->setLayoutVertical(vertical);
}

bool GuiModelView::isDlgListViewLayoutVert() const
{
    return m_dialogListView->isLayoutVertical();
}

void GuiModelView::setDlgViewScrollable(bool scrollable)
{
    dialogPane()->setScrollable(scrollable);
}

bool GuiModelView::isDlgViewScrollable() const
{
    return dialogPane()->isScrollable();
}

void GuiModelView::setListViewWidth(int width)
{
    m_dialogListView->setListViewWidth(width);
}

int GuiModelView::getListViewWidth() const
{
    return m_dialogListView->getListViewWidth();
}

void GuiModelView::setDialogPanel(bool show)
{
    m_dialogListView->setDialogPanel(show);
}

void GuiModelView::setDialogPanelMinSize()
{
    m_dialogListView->setDialogPanelMinSize();
}

void GuiModelView::setListViewTabBarVisible(bool visible)
{
    dialogList()->setTabBarVisible(visible);
}

// Dialog pane ----------------------------------------------------------------------------------

void GuiModelView::setCurrentDialog(void* dialogKey)
{
    if (!dialogKey) {
        dialogPane()->setCurrentDialog(nullptr);
        return;
    }
    auto* dialog = dynamic_cast<QWidget*>(GuiApplication::findWidget(dialogKey));
    if (!dialog || dialog == window() || dialog->isAncestorOf(this)) {
        trace("no dialog registered for", "setCurrentDialog");
        return;
    }
    dialogPane()->setCurrentDialog(dialog);
}

bool GuiModelView::isCurrentDialogVisible() const
{
    return dialogPane()->isCurrentDialogVisible();
}

bool GuiModelView::isCurrentDialogDirty() const
{
    return dialogPane()->isCurrentDialogDirty();
}

// Tree -----------------------------------------------------------------------------------------

void GuiModelView::setRoot(VXMEObjectMessageData& root)
{
    m_treePanel->setRoot(&root);
}

void GuiModelView::replaceSubtree(VXMEObjectMessageData& subtree, bool request)
{
    m_treePanel->replaceSubtree(&subtree, request);
}

void GuiModelView::removeSubtrees(const Objects& objects)
{
    m_treePanel->removeSubtrees(&objects);
}

void GuiModelView::repaintNode(UDInterface* object, const QColor& color)
{
    m_treePanel->repaintNode(object, color);
}

void GuiModelView::setNodeAcceptedActions(UDInterface* object, unsigned actions)
{
    if (!object)
        return;
    // A node of the tree, else a drop on the list's empty space.
    VXMEObjectMessageData record(object);
    if (!m_treePanel->setAcceptedActions(&record, actions))
        listView()->setWhitespaceAcceptedActions(actions);
}

void GuiModelView::mouseSelectTreeViewNode(UDInterface* object)
{
    m_treePanel->mouseSelectTreeViewNode(object);
}

bool GuiModelView::isInHierarchy(UDInterface* object) const
{
    return object && m_treePanel->getTreeItem(object) != nullptr;
}

bool GuiModelView::isNodePixmapForReadOnly(UDInterface* object, const char* path) const
{
    bool inTree = false;
    const bool treeAnswer = m_treePanel->isNodePixmapForReadOnly(object, path, inTree);
    if (inTree)
        return treeAnswer;
    ListItem* item = listItem(object);
    if (!item || !path)
        return false;
    if (dialogList()->listModel()->isGroupItem(item))
        return true;
    using GuiUtil::GuiPixmapDB;
    return item->itemFlag && item->pixmap
        && GuiPixmapDB::resolvePath(item->iconPath)
        == GuiPixmapDB::resolvePath(QString::fromLocal8Bit(path));
}

// List -----------------------------------------------------------------------------------------

ListItem* GuiModelView::listItem(UDInterface* object) const
{
    return object ? dialogList()->listModel()->itemForObject(object) : nullptr;
}

int GuiModelView::section(const QString& column) const
{
    return dialogList()->listModel()->getHeaderSection(column, Qt::CaseSensitive);
}

void GuiModelView::addList(const RecordList& list)
{
    listView()->addList(&list, false);
    listView()->updateColumnWidths(&list);
}

void GuiModelView::replaceList(RecordList& list, const QString& text)
{
    ++m_replaceListCounter;
    listView()->replaceListTaking(list, text);
}

void GuiModelView::removeList(const Objects& objects)
{
    if (objects.empty())
        return;
    GuiListView* view = listView();
    ListModel* model = dialogList()->listModel();
    bool removedSelected = false;
    {
        AutoUpdate frozen(view, true);
        AutoSelectListItem keep(view);
        AutoReset reset(model, true, false);
        const QList<ListItem*> selected = view->selectedItems();
        for (UDInterface* object : objects) {
            ListItem* item = object ? model->itemForObject(object) : nullptr;
            if (!item)
                continue;
            removedSelected = removedSelected || selected.contains(item);
            model->removeItem(model->indexFromItem(item));
        }
    }
    if (removedSelected && !model->isSpreadsheetMode())
        emit view->listSelectionChanged();
}

void GuiModelView::clearList()
{
    ListModel* model = dialogList()->listModel();
    AutoReset reset(model, true, true);
    model->clear();
}

void GuiModelView::editListNodes(const RecordList& list)
{
    listView()->editListNodes(&list);
}

void GuiModelView::updateNodes(const RecordList& list, bool flag)
{
    m_treePanel->updateNodes(&list);
    listView()->updateNodes(&list, flag);
}

void GuiModelView::updatePendingData(const RecordList& list)
{
    listView()->updatePendingData(&list);
}

void GuiModelView::selectListViewNode(const Objects& objects)
{
    TemporaryRecords records(objects);
    listView()->selectListViewItem(&records.list, true, false);
}

void GuiModelView::mouseSelectListViewNode(UDInterface* object)
{
    if (!listItem(object))
        return;
    TemporaryRecords records({ object });
    listView()->selectListViewItem(&records.list, true, true);
}

void GuiModelView::setColumns(const QStringList& names)
{
    // New columns are appended first; the reorder then drops the others and resets the views
    // only when the column count changed.
    ListModel* model = dialogList()->listModel();
    for (const QString& name : names) {
        if (!name.isEmpty() && model->getHeaderSection(name, Qt::CaseSensitive) < 0)
            model->setHeaderInfo(model->columnCount(), name,
                listView()->getStandardColumnWidth(ListModel::getHeaderDisplayTitle(name)), false,
                QString());
    }
    model->reorderHeader(names);
}

void GuiModelView::replacePropertyNames(const QStringList& names, const QStringList& newNames)
{
    ListModel* model = dialogList()->listModel();
    const bool noColumns = model->columnCount() <= (model->iconColumn() ? 1 : 0);
    if (newNames.isEmpty() || noColumns) {
        setColumns(newNames.isEmpty() ? names : newNames);
    } else {
        listView()->replacePropertyNames(names, newNames);
    }
    listView()->applyColumnWidths();
}

void GuiModelView::reorderColumns(const QStringList& names)
{
    listView()->reorderColumns(names);
}

void GuiModelView::setItemInfoForIncrementalLoad(
    unsigned index, UDInterface* owner, const QStringList& names, const QStringList& values)
{
    ListModel* model = dialogList()->listModel();
    if (!owner || model->itemForUID(owner, index))
        return;
    // The group value is the one named by the group property; the first value sorts the row.
    const QString group = model->groupProperty();
    const int at = group.isEmpty() ? -1 : names.indexOf(group);
    model->addItem(index, owner, values.value(0), at >= 0 ? values.value(at) : QString(),
        group.isEmpty() ? -1 : model->groupColumn());
}

void GuiModelView::markUnrelatedProperties(bool mark)
{
    listView()->markUnrelatedProperties(mark);
}

void GuiModelView::setAllowWholeRowDblClick(bool allow)
{
    listView()->setAllowWholeRowDblClick(allow);
}

void GuiModelView::editListNodes(const Objects& objects, int column, const QString& value)
{
    ListModel* model = dialogList()->listModel();
    if (column < 0 || column >= model->columnCount())
        return;
    QList<ListItem*> items;
    for (UDInterface* object : objects) {
        if (ListItem* item = listItem(object))
            items.append(item);
    }
    if (items.isEmpty())
        return;
    emit listView()->itemsChanged(items, model->getHeaderTitle(column), value);
}

void GuiModelView::scaleColumnWidths(double factor)
{
    if (factor > 0.0 && factor == factor)
        listView()->adjustColWidths(factor);
}

bool GuiModelView::isListNodePropReadOnly(UDInterface* object, int column) const
{
    ListItem* item = listItem(object);
    if (!item || column < 0 || column >= dialogList()->listModel()->columnCount())
        return false;
    return (item->cellFlags(column) & ListItem::CellReadOnly) != 0;
}

QString GuiModelView::getPropertyName(int column, bool title) const
{
    ListModel* model = dialogList()->listModel();
    if (column < 0 || column >= model->columnCount())
        return QString();
    return title ? model->getHeaderTitle(column) : listView()->propertyName(column);
}

// Loads ----------------------------------------------------------------------------------------

void GuiModelView::startListLoad(bool clear, bool* cancel)
{
    m_treePanel->view()->setLoadFlags(cancel);
    if (clear)
        clearList();
    if (m_listLoadTimerId != -1)
        killTimer(m_listLoadTimerId);
    m_listLoadTimerId = startTimer(kBusyDelayMs, Qt::CoarseTimer);
}

void GuiModelView::stopListLoad()
{
    m_treePanel->view()->clearLoadFlags();
    if (m_listLoadTimerId != -1) {
        killTimer(m_listLoadTimerId);
        m_listLoadTimerId = -1;
    }
    dialogList()->busyBar()->Stop();
}

void GuiModelView::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_listLoadTimerId) {
        GuiMESplitter::timerEvent(event);
        return;
    }
    killTimer(m_listLoadTimerId);
    m_listLoadTimerId = -1;
    dialogList()->busyBar()->Start();
}

void GuiModelView::scopeGUIChanged(bool scoped)
{
    m_scoped = scoped;
    // A load started for the old scope is of no use any more.
    m_treePanel->view()->cancelLoading();
}

// Messages -------------------------------------------------------------------------------------

void GuiModelView::forward(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    switch (type) {
    case MEAddAccordionPaneMsg:
    case MERemoveAccordionPaneMsg:
    case MESelectAccordionPaneMsg:
    case MEShowAccordionPaneMsg:
    case MEHideAccordionPaneMsg:
    case MESelectTreeNodeMsg:
    case MEExpandTreeNodeMsg:
    case MECollapseTreeNodeMsg:
    case MEGetCheckStateMsg:
    case MEIsInHierarchyMsg:
    case MEFillVectorWithVisibleTreeNodesMsg:
    case MEFillVectorWithTreeViewTextMsg:
    case MESetTreeColumnTitleMsg:
    case MEAddTreeActionMsg:
    case MERemoveTreeActionMsg:
    case MESetAutoExpandMsg:
    case MESetDropCancelMsg:
    case MEIsNodePixmapForReadOnlyMsg:
        forwardTree(type, *msg);
        return;
    case MEReplaceHyperlinkMsg:
    case SSClickHyperLinkMsg:
    case MEIsHyperLinkEnabledMsg:
    case MEGetContentsOfStringMsg:
    case MEShowContentsOfMsg:
    case MEShowContentsOfHyperlinkMsg:
    case MEShowFilterContentsMsg:
    case MEIsListViewTabBarVisibleMsg:
    case MEExecuteListViewTabBarMsg:
    case MESetFilterStringMsg:
    case MEGetFilterStringMsg:
    case MEAddSearchPanelMsg:
    case MESetScopeOptionMsg:
    case MESetListViewInfoPanelMsg:
    case MESetListViewManagerMsg:
    case MESetCurrentDialogMsg:
    case MEStartListLoadMsg:
    case MEStopListLoadMsg:
        forwardListSide(type, *msg);
        return;
    default:
        forwardList(type, *msg);
        return;
    }
}

void GuiModelView::forwardTree(VXMessageType type, QtMessage& msg)
{
    GuiTreePanel& tree = *m_treePanel;
    switch (type) {
    case MEAddAccordionPaneMsg:
        if (auto* p = as<QtString5Message>(msg); p && !p->m_string1.isEmpty())
            m_treeSide->addAccordionComponent(
                p->m_string1, p->m_string2, p->m_string3, p->m_string4, p->m_string5);
        reply(msg, 1);
        return;
    case MERemoveAccordionPaneMsg:
        m_treeSide->removeAccordionComponent(textOf(msg));
        reply(msg, 1);
        return;
    case MESelectAccordionPaneMsg:
        m_treeSide->selectAccordionComponent(textOf(msg));
        reply(msg, 1);
        return;
    case MEShowAccordionPaneMsg:
        m_treeSide->showAccordionComponent(textOf(msg));
        reply(msg, 1);
        return;
    case MEHideAccordionPaneMsg:
        m_treeSide->hideAccordionComponent(textOf(msg));
        reply(msg, 1);
        return;
    case MESelectTreeNodeMsg:
        reply(msg, tree.selectTreeItem(handleOf<UDInterface>(msg), true, false));
        return;
    case MEExpandTreeNodeMsg:
        reply(msg, tree.expandTreeItem(handleOf<UDInterface>(msg)));
        return;
    case MECollapseTreeNodeMsg:
        reply(msg, tree.collapseTreeItem(handleOf<UDInterface>(msg)));
        return;
    case MEGetCheckStateMsg:
        replyText(
            msg, type, QString::fromStdString(tree.getCheckState(handleOf<UDInterface>(msg))));
        return;
    case MEIsInHierarchyMsg:
        reply(msg, isInHierarchy(handleOf<UDInterface>(msg)));
        return;
    case MEFillVectorWithVisibleTreeNodesMsg:
        if (auto* out = handleOf<Objects>(msg))
            tree.fillVectorWithVisibleTreeNodes(out, nullptr);
        reply(msg, 1);
        return;
    case MEFillVectorWithTreeViewTextMsg:
        if (auto* out = handleOf<std::vector<std::u16string>>(msg))
            tree.fillVectorWithTreeViewText(out);
        reply(msg, 1);
        return;
    case MESetTreeColumnTitleMsg:
        tree.setTitle(textOf(msg));
        return;
    case MEAddTreeActionMsg:
        tree.addAction(handleOf<VXAction>(msg));
        return;
    case MERemoveTreeActionMsg:
        tree.removeAction(handleOf<VXAction>(msg));
        return;
    case MESetAutoExpandMsg:
        tree.view()->setAutoExpand(flagOf(msg));
        return;
    case MESetDropCancelMsg:
        tree.view()->setDropCancel();
        return;
    case MEIsNodePixmapForReadOnlyMsg:
        if (auto* p = as<QtHandleStr4Message>(msg)) {
            const QByteArray path = p->m_string1.toLocal8Bit();
            reply(msg,
                isNodePixmapForReadOnly(static_cast<UDInterface*>(p->m_handle), path.constData()));
        } else {
            reply(msg, 0);
        }
        return;
    default:
        return;
    }
}

void GuiModelView::forwardListSide(VXMessageType type, QtMessage& msg)
{
    GuiMEDialogList& side = *dialogList();
    switch (type) {
    case MEReplaceHyperlinkMsg:
        if (auto* p = as<QtHandleStr4Message>(msg)) {
            auto* object = static_cast<UDInterface*>(p->m_handle);
            side.setHyperlink(object, p->m_string1, object != nullptr);
            side.hyperlink()->setToolTip(p->m_string2);
            side.hyperlink()->setStatusTip(p->m_string3);
        }
        return;
    case SSClickHyperLinkMsg:
        if (UDInterface* object = side.getHyperlink(); object && m_explorer)
            m_explorer->notifyViewHyperlink(object);
        return;
    case MEIsHyperLinkEnabledMsg:
        reply(msg, side.isHyperlinkEnabled());
        return;
    case MEGetContentsOfStringMsg:
        replyText(msg, type, side.contentsOfText());
        return;
    case MEShowContentsOfMsg:
        side.showContentsOf(flagOf(msg));
        return;
    case MEShowContentsOfHyperlinkMsg:
        side.showContentsOfHyperlink(flagOf(msg));
        return;
    case MEShowFilterContentsMsg:
        side.showFilterContents(flagOf(msg));
        return;
    case MEIsListViewTabBarVisibleMsg:
        reply(msg, side.isTabBarVisible());
        return;
    case MEExecuteListViewTabBarMsg: {
        auto* p = as<QtIntMessage>(msg);
        reply(msg, p && side.isTabBarVisible() && side.executeTabBar(p->m_int));
        return;
    }
    case MESetFilterStringMsg:
        side.setFilterString(textOf(msg));
        reply(msg, 1);
        return;
    case MEGetFilterStringMsg:
        replyText(msg, type, side.filterText());
        return;
    case MEAddSearchPanelMsg: {
        void* key = handleOf<void>(msg);
        auto* panel
            = key ? dynamic_cast<GuiSearchPanel*>(GuiApplication::findWidget(key)) : nullptr;
        if (panel) {
            GuiModelExplorer::applyCatalogueTexts(panel);
            side.addSearchPanel(panel);
        } else
            trace("no search panel registered for", "addSearchPanel");
        return;
    }
    case MESetScopeOptionMsg:
        side.setScopeAction(actionOf(handleOf<void>(msg)));
        return;
    case MESetListViewInfoPanelMsg: {
        void* key = handleOf<void>(msg);
        auto* panel = key ? dynamic_cast<QWidget*>(GuiApplication::findWidget(key)) : nullptr;
        if (!key || (panel && panel != window() && !panel->isAncestorOf(this)))
            side.setInfoPanel(panel);
        return;
    }
    case MESetListViewManagerMsg: {
        void* key = handleOf<void>(msg);
        m_listViewManager = key ? dynamic_cast<QObject*>(GuiApplication::findWidget(key)) : nullptr;
        return;
    }
    case MESetCurrentDialogMsg:
        setCurrentDialog(handleOf<void>(msg));
        return;
    case MEStartListLoadMsg:
        if (auto* p = as<QtHandleBoolMessage>(msg))
            startListLoad(p->m_bool, static_cast<bool*>(p->m_handle));
        reply(msg, 1);
        return;
    case MEStopListLoadMsg:
        stopListLoad();
        reply(msg, 1);
        return;
    default:
        return;
    }
}

void GuiModelView::forwardList(VXMessageType type, QtMessage& msg)
{
    GuiListView& list = *listView();
    ListModel& model = *dialogList()->listModel();
    switch (type) {
    case MEClearListMsg:
        clearList();
        reply(msg, 1);
        return;
    case MEChangeEditTypeMsg:
        if (auto* p = as<QtHandleMessage>(msg)) {
            if (auto record = p->take<VXMEEditTypeData>())
                list.changeEditTypeData(record.release());
        }
        return;
    case MEClearIndicesMsg:
        if (auto* p = as<QtUIDsMessage>(msg)) {
            for (unsigned uid : p->m_uids)
                model.clearIndex(static_cast<UDInterface*>(p->m_handle), uid);
        }
        reply(msg, 1);
        return;
    case MECanDragStartMsg:
        reply(msg, flagOf(msg) ? list.isDragArmed() : m_treePanel->view()->isDragArmed());
        return;
    case MEExpandGroupMsg:
        list.expandGroup(textOf(msg));
        reply(msg, 1);
        return;
    case MECollapseGroupMsg:
        list.collapseGroup(textOf(msg));
        reply(msg, 1);
        return;
    case MEDoubleClickListNodesMsg: {
        const Objects* objects = handleOf<Objects>(msg);
        bool found = false;
        if (objects) {
            for (UDInterface* object : *objects)
                found = found || listItem(object);
            TemporaryRecords records(*objects);
            list.doubleClickListViewItem(&records.list);
        }
        reply(msg, found);
        return;
    }
    case SSEnableSortingMsg:
        if (auto* p = as<QtStrInt4Message>(msg))
            list.enableListSorting(p->m_int1 != 0, p->m_string, p->m_int2 != 0, p->m_int3 != 0);
        return;
    case SSFillVectorWithTextMsg:
        if (auto* out = handleOf<std::vector<void*>>(msg))
            list.fillVectorWithListViewText(*out);
        reply(msg, 1);
        return;
    case MELoadListViewContentMsg:
        list.scrollToLoadAll();
        reply(msg, 1);
        return;
    case MEGetGroupCountMsg:
        reply(msg, list.getGroupCount());
        return;
    case MEFillVectorWithGroupChildrenMsg:
        if (auto* p = as<QtHandleStr4Message>(msg); p && p->m_handle)
            list.fillVectorWithGroupChildren(
                p->m_string1, *static_cast<std::vector<void*>*>(p->m_handle));
        reply(msg, 1);
        return;
    case MEFillVectorWithSelectedListNodesMsg:
    case MEFillVectorWithVisibleListNodesMsg:
        if (auto* out = handleOf<VXMEObjectDataList>(msg)) {
            Objects objects;
            if (type == MEFillVectorWithSelectedListNodesMsg)
                list.fillVectorWithSelectedListNodes(objects);
            else
                list.fillVectorWithVisibleListNodes(objects);
            appendRecords(out, objects);
        }
        reply(msg, 1);
        return;
    case MEGetHideGroupColumnMsg:
        reply(msg, model.hideGroupColumn());
        return;
    case MESetHideGroupColumnMsg:
        list.setHideGroupColumn(flagOf(msg));
        return;
    case MEAutosizeListViewColumnMsg:
        if (const int s = section(textOf(msg)); s >= 0)
            list.autosizeColumn(s);
        reply(msg, 1);
        return;
    case MEGetListViewStrColWidthMsg: {
        auto* p = as<QtString2Message>(msg);
        const int s = p ? section(p->m_string1) : -1;
        reply(msg, s >= 0 ? list.getStrColWidth(s) : 0);
        return;
    }
    case MESetListViewStrColWidthMsg:
        if (auto* p = as<QtStr2Int2Message>(msg)) {
            if (const int s = section(p->m_string1); s >= 0)
                list.setStrColWidth(s, p->m_string2, p->m_int1);
        }
        return;
    case MEGetListViewMaxCharColWidthMsg:
    case MEGetListViewAvgCharColWidthMsg: {
        const int s = section(textOf(msg));
        const bool max = type == MEGetListViewMaxCharColWidthMsg;
        reply(msg, s < 0 ? 0 : max ? list.getMaxCharColWidth(s) : list.getAvgCharColWidth(s));
        return;
    }
    case MESetListViewMaxCharColWidthMsg:
    case MESetListViewAvgCharColWidthMsg:
        if (auto* p = as<QtStrInt4Message>(msg)) {
            if (const int s = section(p->m_string); s >= 0) {
                if (type == MESetListViewMaxCharColWidthMsg)
                    list.setMaxCharColWidth(s, p->m_int1);
                else
                    list.setAvgCharColWidth(s, p->m_int1);
            }
        }
        return;
    case MEGetListViewCountMsg:
        reply(msg, list.getListViewCount());
        return;
    case MEGetPossibleListViewItemCountMsg:
        reply(msg, list.getPossibleItemCount());
        return;
    case MEGetPropertyNameMsg: {
        auto* p = as<QtInt5Message>(msg);
        replyText(msg, type, p ? getPropertyName(p->m_int1, p->m_int2 != 0) : QString());
        return;
    }
    case MEGetReplaceListCounterMsg:
        reply(msg, m_replaceListCounter);
        return;
    case MEIsListNodePropReadOnlyMsg: {
        auto* p = as<QtHandleInt5Message>(msg);
        reply(msg, p && isListNodePropReadOnly(static_cast<UDInterface*>(p->m_handle), p->m_int1));
        return;
    }
    case MESelectAllListNodesMsg:
        list.selectListAll(flagOf(msg));
        return;
    case MESelectCurrentItemMsg:
        list.selectCurrentItem();
        return;
    case MESelectListNodeMsg: {
        auto* p = as<QtString2Message>(msg);
        if (p)
            list.selectListViewItem(p->m_string2, p->m_string1, false);
        reply(msg, p && !list.selectedItems().isEmpty());
        return;
    }
    case MESelectListNodeIndicesMsg:
        if (auto* p = as<QtUIDsMessage>(msg))
            list.selectListViewIndices(static_cast<UDInterface*>(p->m_handle), p->m_uids,
                static_cast<UDInterface*>(p->m_result));
        reply(msg, list.selectionModel() && list.selectionModel()->hasSelection());
        return;
    case MESetListMultiSelectMsg:
        list.setListMultiSelect(flagOf(msg));
        return;
    case MEGroupByMsg:
    case MESetGroupColumnMsg:
        list.setGroupColumn(textOf(msg));
        reply(msg, 1);
        return;
    case MEGetGroupColumnMsg:
        replyText(msg, type, list.getGroupColumn());
        return;
    case MESetFreezeColumnMsg: {
        // The frozen part ends with the named column.
        const int s = section(textOf(msg));
        if (s >= 0)
            list.setFreezeColumn(s + 1);
        reply(msg, s >= 0);
        return;
    }
    case MEEnableFreezePaneMsg:
        list.enableFreezePane(flagOf(msg));
        return;
    case MESetShowGroupNameMsg:
        model.setShowGroupPropertyName(flagOf(msg));
        list.viewport()->update();
        reply(msg, 1);
        return;
    case MEGetShowGroupNameMsg:
        reply(msg, model.showGroupPropertyName());
        return;
    case MESetShowGroupCountMsg:
        model.setShowGroupCount(flagOf(msg));
        list.viewport()->update();
        reply(msg, 1);
        return;
    case MEGetShowGroupCountMsg:
        reply(msg, model.showGroupCount());
        return;
    case MEGetListLoadTestFlagMsg:
        reply(msg, list.isListLoading());
        return;
    case MEGetLoadedListViewNodesMsg:
        if (auto* out = handleOf<Objects>(msg))
            list.getLoadedListViewNodes(*out);
        reply(msg, 1);
        return;
    case MEGetLoadedListViewTextMsg:
        if (auto* out = handleOf<std::vector<void*>>(msg))
            list.getLoadedListViewText(*out);
        reply(msg, 1);
        return;
    case MEScrollListViewMsg:
        if (auto* p = as<QtIntMessage>(msg))
            list.scrollByRows(p->m_int);
        return;
    default: {
        const VXMessageCatalogue::Row* row = VXMessageCatalogue::find(type);
        trace("not an explorer view message", row ? row->name : nullptr);
        if (row && row->reply == VXMessageCatalogue::Result)
            reply(msg, 0);
        else if (row && row->reply == VXMessageCatalogue::ReplyMessage && row->replyClass
            && QByteArray(row->replyClass) == "QtStringMessage")
            replyText(msg, type, QString());
        return;
    }
    }
}
