#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

#include "engine/VXEvent.h"
#include "engine/modelexplorer/VXMENavigationAttributes.h"
#include "engine/modelexplorer/VXMEObjectData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXMEViewAttributes.h"
#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtIntArrayMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtProgressMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtStringIDMapMessage.h"
#include "messaging/QtStringList2Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtUIDStringList2Message.h"
#include "messaging/QtUIDsMessage.h"
#include "messaging/VXMessageCatalogue.h"
#include "vrix/Color.h"
#include "vrix/DpiScaling.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiAction.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiConversions.h"
#include "vx_qtgui/GuiLimits.h"
#include "vx_qtgui/GuiPixmapDB.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/VXIMReentrancyProtector.h"
#include "vx_qtgui/modelexplorer/GuiExplorerEvents.h"
#include "vx_qtgui/modelexplorer/GuiMESelectionChangedDialog.h"
#include "vx_qtgui/modelexplorer/GuiModelView.h"
#include "vx_qtgui/modelexplorer/GuiObjectSelectionDialog.h"
#include "vx_qtgui/modelexplorer/IMRevertDlgThread.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopWidget>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QProgressDialog>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <memory>

QMap<int, QString> GuiModelExplorer::m_xlateMap;

namespace {

constexpr int kInitialWidth = 900;
constexpr int kInitialHeight = 600;
constexpr int kSleepDelayMs = 200;
constexpr unsigned kNoFullscreenButton = 0x7fffffffu;

using RecordList = GuiModelView::RecordList;
using Objects = GuiModelView::Objects;

template <class P> P* as(QtMessage& msg)
{
    return dynamic_cast<P*>(&msg);
}

// A record list taken from its message and destroyed, records and all, when handled.
struct RecordListDeleter {
    void operator()(RecordList* list) const { VXMEObjectData::destroyList(list); }
};
using OwnedRecords = std::unique_ptr<RecordList, RecordListDeleter>;

OwnedRecords takeRecords(QtMessage& msg)
{
    if (auto* handle = as<QtHandleMessage>(msg))
        return OwnedRecords(handle->take<RecordList>().release());
    if (auto* handle = as<QtHandleBoolMessage>(msg))
        return OwnedRecords(static_cast<RecordList*>(handle->m_owned.takeRaw()));
    if (auto* handle = as<QtHandleNumStrMessage>(msg))
        return OwnedRecords(static_cast<RecordList*>(handle->m_owned.takeRaw()));
    return nullptr;
}

template <class T> std::unique_ptr<T> takeOwned(QtMessage& msg)
{
    auto* handle = as<QtHandleMessage>(msg);
    return handle ? handle->take<T>() : nullptr;
}

QString textOf(QtMessage& msg)
{
    auto* text = as<QtStringMessage>(msg);
    return text ? text->m_string : QString();
}

bool flagOf(QtMessage& msg)
{
    auto* flag = as<QtBoolMessage>(msg);
    return flag && flag->m_bool;
}

int intOf(QtMessage& msg)
{
    auto* value = as<QtIntMessage>(msg);
    return value ? value->m_int : 0;
}

int fontUnit(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int widest = metrics.maxWidth();
    return widest > 0 ? widest : metrics.horizontalAdvance(QLatin1Char('W'));
}

// A rectangle moved and shrunk into the screen it overlaps most, unless it is wholly on screen.
QRect keptOnScreen(const QRect& rect)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    qint64 covered = 0;
    qint64 best = -1;
    QRect bestArea;
    for (QScreen* screen : screens) {
        const QRect part = rect.intersected(screen->availableGeometry());
        const qint64 area = part.isEmpty() ? 0 : qint64(part.width()) * part.height();
        covered += area;
        if (area > best) {
            best = area;
            bestArea = screen->availableGeometry();
        }
    }
    if (screens.isEmpty() || covered >= qint64(rect.width()) * rect.height())
        return rect;
    QRect kept = rect;
    kept.setWidth(std::min(rect.width(), bestArea.width()));
    kept.setHeight(std::min(rect.height(), bestArea.height()));
    const int left = rect.left() < bestArea.left()
        ? bestArea.left()
        : std::min(rect.left(), bestArea.right() + 1 - kept.width());
    const int top = rect.top() < bestArea.top()
        ? bestArea.top()
        : std::min(rect.top(), bestArea.bottom() + 1 - kept.height());
    kept.moveTo(left, top);
    return kept;
}

// The host's frame in device pixels, with corners and extents bounded (at least one pixel).
QRect boundedFrame(const QtRectMessage& r)
{
    return VRIX::toDpiScaled(hostRect(r));
}

} // namespace

GuiModelExplorer::GuiModelExplorer(void* key, QWidget* parent)
    : QMainWindow(parent)
    , GuiWidget(key)
    , m_visible(isVisible())
{
    GuiApplication::putWidget(key, this);
    setFocusPolicy(Qt::ClickFocus);
    setWindowFlags(Qt::WindowFlags(unsigned(windowFlags()) & kNoFullscreenButton));
    installEventFilter(this);
    GuiUtil::createZoomShortCutList(this, SLOT(slotIncreaseFont()), SLOT(slotDecreaseFont()));
}

GuiModelExplorer::~GuiModelExplorer()
{
    delete m_objSelectionList;
}

QString GuiModelExplorer::xlate_ME(int id)
{
    return m_xlateMap.value(id);
}

void GuiModelExplorer::applyCatalogueTexts(GuiSearchBar* bar)
{
    if (bar)
        bar->setCatalogueTexts(xlate_ME(4), xlate_ME(5), xlate_ME(6));
}

void GuiModelExplorer::applyCatalogueTexts(GuiSearchPanel* panel)
{
    if (panel)
        panel->setCatalogueTexts(xlate_ME(25), xlate_ME(26), xlate_ME(27));
}

QSplitter* GuiModelExplorer::splitter(int index) const
{
    return index >= 0 && index < 3 ? m_splitters[index].data() : nullptr;
}

void GuiModelExplorer::setSplitter(int index, QSplitter* splitter)
{
    if (index < 0 || index >= 3)
        return;
    m_splitters[index] = splitter;
    if (splitter)
        splitter->installEventFilter(this);
}

void GuiModelExplorer::addShortcut(GuiAction* action)
{
    if (!action || action->shortcut().isEmpty())
        return;
    QPointer<GuiAction>& entry
        = m_shortcuts[action->shortcut().toString(QKeySequence::PortableText)];
    if (!entry)
        entry = action;
}

bool GuiModelExplorer::isCurrentDialogVisible() const
{
    return m_modelView && m_modelView->isCurrentDialogVisible();
}

bool GuiModelExplorer::isCurrentDialogDirty() const
{
    return m_modelView && m_modelView->isCurrentDialogDirty();
}

bool GuiModelExplorer::preventDialogClose() const
{
    return isCurrentDialogVisible() && isCurrentDialogDirty() && !m_neverAskAgain;
}

// One table for every explorer message: the window's own handling, or the model view's.
const std::map<int, GuiModelExplorer::Handler>& GuiModelExplorer::routingTable()
{
    static const std::map<int, Handler> table = {
        { MECreateMsg, [](GuiModelExplorer& w, QtMessage& m) { w.setUp(m); } },
        { ShowMsg,
            [](GuiModelExplorer& w, QtMessage&) {
                w.show();
                w.activateWindow();
                if (w.isMinimized())
                    w.showNormal();
                else
                    w.m_modelView->setDialogPanelMinSize();
            } },
        { HideMsg, [](GuiModelExplorer& w, QtMessage&) { w.hide(); } },
        { ShowMinimizedMsg, [](GuiModelExplorer& w, QtMessage&) { w.showMinimized(); } },
        { MECloseMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (flagOf(m)) {
                    w.m_forceClose = true;
                    w.close();
                    w.m_forceClose = false;
                } else {
                    QCoreApplication::postEvent(&w, new QCloseEvent());
                }
            } },
        { MESetTitleMsg, [](GuiModelExplorer& w, QtMessage& m) { w.setCaption(textOf(m)); } },
        { MEGetTitleMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                m.setReturnMsg(new QtStringMessage(nullptr, MEGetTitleMsg, w.windowTitle()));
            } },
        { MESetIconMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                const QPixmap picture = GuiUtil::GuiPixmapDB::getPixmapFromPath(textOf(m));
                if (!picture.isNull())
                    w.setWindowIcon(QIcon(picture));
            } },
        { MEGetIconMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                m.setReturnMsg(new QtStringMessage(nullptr, MEGetIconMsg, w.windowIconText()));
            } },
        { MESetPositionMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (auto* r = as<QtRectMessage>(m))
                    w.setPosition(boundedFrame(*r));
            } },
        { MEGetPositionMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                const QRect frame = VRIX::fromDpiScaled(w.frameGeometry());
                auto* reply = new QtRectMessage(nullptr, MEGetPositionMsg);
                reply->setRect(frame.x(), frame.y(), frame.width(), frame.height());
                m.setReturnMsg(reply);
            } },
        { SetFontMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (auto* f = as<QtStrInt4Message>(m))
                    w.changeFont(f->m_string, f->m_int1, f->m_int2, f->m_int3, f->m_int4);
            } },
        { MEIsVisibleMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                GuiCommonMessages::setResult(&m, w.isVisible() ? 1 : 0);
            } },
        { MEHasFocusMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                GuiCommonMessages::setResult(&m, w.isActiveWindow() ? 1 : 0);
            } },
        { MEAddSubMenuMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                auto* p = as<QtHandleStr4Message>(m);
                auto* menu
                    = p ? dynamic_cast<QMenu*>(GuiApplication::findWidget(p->m_handle)) : nullptr;
                if (!menu)
                    return;
                menu->setFont(w.menuBar()->font());
                menu->setTitle(p->m_string1);
                w.menuBar()->addMenu(menu);
            } },
        { MEAddPopupMenuMsg,
            [](GuiModelExplorer&, QtMessage& m) {
                auto* p = as<QtHandleInt5Message>(m);
                auto* menu
                    = p ? dynamic_cast<QMenu*>(GuiApplication::findWidget(p->m_handle)) : nullptr;
                if (!menu)
                    return;
                if (menu->isVisible())
                    menu->hide();
                menu->popup(QPoint(p->m_int1, p->m_int2));
            } },
        { MEClearMenusMsg, [](GuiModelExplorer& w, QtMessage&) { w.menuBar()->clear(); } },
        { MECountMenuBarItemsMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                GuiCommonMessages::setResult(&m, w.menuBar()->actions().size());
            } },
        { MEExecMenuItemMsg,
            [](GuiModelExplorer&, QtMessage& m) {
                if (auto* p = as<QtHandleStr4Message>(m))
                    GuiExplorerEvents::menuItem(p->m_handle, p->m_string2 == QLatin1String("true"),
                        p->m_string3 == QLatin1String("true"));
            } },
        { MEEnableToolbarMenuMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.m_toolbarMenuEnabled = flagOf(m); } },
        { MEShowStatusBarMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.statusBar()->setVisible(flagOf(m)); } },
        { MESetStatusMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                auto* p = as<QtStrIntMessage>(m);
                if (!p || p->m_string.isEmpty())
                    w.stopWait();
                else
                    w.startWait(p->m_string, p->m_int);
            } },
        { MEStartWaitMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.startWait(QString(), intOf(m)); } },
        { MEStopWaitMsg, [](GuiModelExplorer& w, QtMessage&) { w.stopWait(); } },
        { MESleepMsg, [](GuiModelExplorer& w, QtMessage& m) { w.sleepWindow(textOf(m)); } },
        { MEWakeMsg, [](GuiModelExplorer& w, QtMessage&) { w.wakeWindow(); } },
        { MEProgressDialogMsg, [](GuiModelExplorer& w, QtMessage& m) { w.progress(m); } },
        { MEProgressDialogCloseMsg, [](GuiModelExplorer& w, QtMessage&) { w.closeProgress(); } },
        { MEProgressDialogIsCanceledMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                GuiCommonMessages::setResult(&m, w.m_progressCanceled ? 1 : 0);
            } },
        { MENeverAskAgainMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.m_neverAskAgain = flagOf(m); } },
        { MESelectionChangedDialogMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.selectionChangedDialog(m); } },
        { MECreateNewObjMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.createNewObject(flagOf(m)); } },
        { MESetSplitterSizesMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (auto* p = as<QtIntArrayMessage>(m))
                    w.setSplitterSizes(p->m_array, p->m_count);
            } },
        { MEHighlightNodesMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                const auto colors = takeOwned<std::map<UDInterface*, VRIX::Color>>(m);
                if (!colors)
                    return;
                for (const auto& entry : *colors)
                    w.m_modelView->repaintNode(entry.first,
                        QColor(entry.second.redByte(), entry.second.greenByte(),
                            entry.second.blueByte(), entry.second.alphaByte()));
                w.m_modelView->update();
            } },
        { MEUnhighlightNodesMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                const auto objects = takeOwned<Objects>(m);
                if (!objects)
                    return;
                for (UDInterface* object : *objects)
                    w.m_modelView->repaintNode(object, QColor());
                w.m_modelView->update();
            } },
        { MESelectListNodesSyncMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.selectListNodesSync(m); } },
        { MESetRootMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto root = takeOwned<VXMEObjectMessageData>(m))
                    w.m_modelView->setRoot(*root);
            } },
        { MEReplaceSubtreeMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto subtree = takeOwned<VXMEObjectMessageData>(m))
                    w.m_modelView->replaceSubtree(*subtree, false);
            } },
        { MEReplaceSubtreeNRequestMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto subtree = takeOwned<VXMEObjectMessageData>(m))
                    w.m_modelView->replaceSubtree(*subtree, true);
            } },
        { MEChangeViewOptionsMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                const auto options = takeOwned<VXMEViewAttributes>(m);
                if (!options)
                    return;
                if (options->updateMode == 0 || options->updateMode == 1)
                    w.m_modelView->setDialogPanel(options->showDynamicDialogs);
                w.m_modelView->markUnrelatedProperties(options->markUnrelatedProperties);
            } },
        { MEChangeNavOptionsMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto options = takeOwned<VXMENavigationAttributes>(m))
                    w.m_modelView->setAllowWholeRowDblClick(options->allowWholeRowDblClick);
            } },
        { MEAddListMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto list = takeRecords(m))
                    w.m_modelView->addList(*list);
            } },
        { MEEditListNodesMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto list = takeRecords(m))
                    w.m_modelView->editListNodes(*list);
            } },
        { MEUpdateNodesMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                auto* p = as<QtHandleBoolMessage>(m);
                if (const auto list = takeRecords(m))
                    w.m_modelView->updateNodes(*list, p && p->m_bool);
            } },
        { MESetPendingDataMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto list = takeRecords(m))
                    w.m_modelView->updatePendingData(*list);
            } },
        { MEReplaceListMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                auto* p = as<QtHandleNumStrMessage>(m);
                if (const auto list = takeRecords(m))
                    w.m_modelView->replaceList(*list, p ? p->m_string : QString());
            } },
        { MERemoveListMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto objects = takeOwned<Objects>(m))
                    w.m_modelView->removeList(*objects);
            } },
        { MERemoveSubtreesMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto objects = takeOwned<Objects>(m))
                    w.m_modelView->removeSubtrees(*objects);
            } },
        { MESelectListNodesMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto objects = takeOwned<Objects>(m))
                    w.m_modelView->selectListViewNode(*objects);
            } },
        { MEEditListViewNodeMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                auto* p = as<QtHandleNumStrMessage>(m);
                if (!p)
                    return;
                if (const auto objects = p->m_owned.take<Objects>())
                    w.m_modelView->editListNodes(*objects, p->m_int, p->m_string);
            } },
        { MEAcceptedActionsMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                auto* p = as<QtHandleInt5Message>(m);
                if (!p)
                    return;
                if (const auto record = p->m_owned.take<VXMEObjectMessageData>())
                    w.m_modelView->setNodeAcceptedActions(
                        record->object, static_cast<unsigned>(p->m_int1));
            } },
        { MEReplacePropertyNames,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (auto* p = as<QtStringList2Message>(m))
                    w.m_modelView->replacePropertyNames(p->m_list1, p->m_list2);
            } },
        { MESetItemInfoForIncrementalLoadMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (auto* p = as<QtUIDStringList2Message>(m))
                    w.m_modelView->setItemInfoForIncrementalLoad(
                        p->m_uid, static_cast<UDInterface*>(p->m_handle), p->m_list1, p->m_list2);
            } },
        { MEReplaceObjSelectionListMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (auto list = takeOwned<VXStringList>(m)) {
                    delete w.m_objSelectionList;
                    w.m_objSelectionList = list.release();
                }
            } },
        { MEReorderColumnsMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                if (const auto names = takeOwned<VXStringList>(m)) {
                    QStringList columns;
                    for (const std::string& name : names->elements())
                        columns.append(QString::fromLocal8Bit(name.c_str()));
                    w.m_modelView->reorderColumns(columns);
                }
            } },
        { MEShowTreeViewMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.m_modelView->showTreeView(flagOf(m)); } },
        { MEShowListViewMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.m_modelView->showListView(flagOf(m)); } },
        { MESetListViewVisibleMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.m_modelView->showListView(flagOf(m)); } },
        { MESetDlgListViewLayoutVertMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                w.m_modelView->setDlgListViewLayoutVert(flagOf(m));
            } },
        { MEIsDlgListViewLayoutVertMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                GuiCommonMessages::setResult(&m, w.m_modelView->isDlgListViewLayoutVert());
            } },
        { MESetDlgViewScrollableMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                w.m_modelView->setDlgViewScrollable(flagOf(m));
            } },
        { MEIsDlgViewScrollableMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                GuiCommonMessages::setResult(&m, w.m_modelView->isDlgViewScrollable());
            } },
        { MESetListViewWidthMsg,
            [](GuiModelExplorer& w, QtMessage& m) { w.m_modelView->setListViewWidth(intOf(m)); } },
        { MEGetListViewWidthMsg,
            [](GuiModelExplorer& w, QtMessage& m) {
                GuiCommonMessages::setResult(&m, w.m_modelView->getListViewWidth());
            } },
    };
    static const std::map<int, Handler> all = [] {
        std::map<int, Handler> merged = table;
        // The tree's, list's and pane's operations without handling of their own here.
        static const VXMessageType forwarded[] = { MEClearListMsg, MEReplaceHyperlinkMsg,
            MEChangeEditTypeMsg, MESelectTreeNodeMsg, MESelectListNodeMsg,
            MESelectListNodeIndicesMsg, MEDoubleClickListNodesMsg, MESelectAllListNodesMsg,
            MESetCurrentDialogMsg, MEExpandTreeNodeMsg, MECollapseTreeNodeMsg, SSClickHyperLinkMsg,
            MEFillVectorWithVisibleTreeNodesMsg, MEFillVectorWithTreeViewTextMsg,
            MEFillVectorWithVisibleListNodesMsg, SSFillVectorWithTextMsg, MELoadListViewContentMsg,
            MEGetGroupCountMsg, MEFillVectorWithGroupChildrenMsg, MESetFilterStringMsg,
            MEGetFilterStringMsg, MEGetContentsOfStringMsg, MEFillVectorWithSelectedListNodesMsg,
            SSEnableSortingMsg, MEAddSearchPanelMsg, MESetTreeColumnTitleMsg, MEShowContentsOfMsg,
            MEShowFilterContentsMsg, MEShowContentsOfHyperlinkMsg, MEGetCheckStateMsg,
            MEIsHyperLinkEnabledMsg, MEIsListViewTabBarVisibleMsg, MEExecuteListViewTabBarMsg,
            MESelectCurrentItemMsg, MEIsNodePixmapForReadOnlyMsg, MEGetPropertyNameMsg,
            MEGetReplaceListCounterMsg, MECanDragStartMsg, MEIsListNodePropReadOnlyMsg,
            MESetListMultiSelectMsg, MEAutosizeListViewColumnMsg, MEGetListViewStrColWidthMsg,
            MESetListViewStrColWidthMsg, MEGetListViewMaxCharColWidthMsg,
            MESetListViewMaxCharColWidthMsg, MEGetListViewAvgCharColWidthMsg,
            MESetListViewAvgCharColWidthMsg, MEAddTreeActionMsg, MERemoveTreeActionMsg,
            MESetListViewManagerMsg, MESetScopeOptionMsg, MEIsInHierarchyMsg, MEGroupByMsg,
            MESetGroupColumnMsg, MEGetGroupColumnMsg, MEExpandGroupMsg, MECollapseGroupMsg,
            MEGetListViewCountMsg, MESetHideGroupColumnMsg, MEGetHideGroupColumnMsg,
            MEStartListLoadMsg, MEStopListLoadMsg, MESetFreezeColumnMsg, MEEnableFreezePaneMsg,
            MESetShowGroupCountMsg, MEGetShowGroupCountMsg, MESetShowGroupNameMsg,
            MEGetShowGroupNameMsg, MEAddAccordionPaneMsg, MERemoveAccordionPaneMsg,
            MESelectAccordionPaneMsg, MEShowAccordionPaneMsg, MEHideAccordionPaneMsg,
            MESetListViewInfoPanelMsg, MEGetListLoadTestFlagMsg, MEGetPossibleListViewItemCountMsg,
            MEGetLoadedListViewNodesMsg, MEGetLoadedListViewTextMsg, MEScrollListViewMsg,
            MEClearIndicesMsg, MESetAutoExpandMsg, MESetDropCancelMsg };
        for (VXMessageType id : forwarded)
            merged.emplace(id, [](GuiModelExplorer& w, QtMessage& m) {
                w.m_modelView->forward(m.messageType(), &m);
            });
        return merged;
    }();
    return all;
}

bool GuiModelExplorer::routes(VXMessageType type)
{
    return routingTable().count(type) != 0;
}

void GuiModelExplorer::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg)
        return;
    const auto& table = routingTable();
    const auto route = table.find(type);
    if (route != table.end()) {
        // Every message but the creation needs the model view the creation builds.
        if (type == MECreateMsg || m_modelView)
            route->second(*this, *msg);
        return;
    }
    GuiWidget::vxMessageNotify(type, msg);
}

void GuiModelExplorer::setUp(QtMessage& msg)
{
    if (m_modelView)
        return;
    if (auto* strings = as<QtStringIDMapMessage>(msg)) {
        for (auto it = strings->m_map.cbegin(); it != strings->m_map.cend(); ++it)
            m_xlateMap.insert(it.key(), it.value());
    }
    m_modelView = new GuiModelView(this);
    setCentralWidget(m_modelView);
    statusBar()->showMessage(xlate_ME(18));
    setWindowIcon(QIcon(GuiUtil::GuiPixmapDB::getPixmapFromPath(GuiUtil::installationPath(
        QStringLiteral("toolbox/shared/orvidesk/resources/ModelExplorer.png")))));
    resize(VRIX::toDpiScaled(kInitialWidth), VRIX::toDpiScaled(kInitialHeight));
    setCaption(xlate_ME(17));
    if (QScreen* screen = QGuiApplication::screens().value(0)) {
        const QRect available = screen->availableGeometry();
        const QRect frame = frameGeometry();
        move(available.center().x() - frame.width() / 2,
            available.center().y() - frame.height() / 2);
    }
}

void GuiModelExplorer::setCaption(QString caption)
{
    setWindowIconText(caption);
    setWindowTitle(caption);
}

void GuiModelExplorer::setPosition(const QRect& requested)
{
    const QRect target = keptOnScreen(requested);
    const QRect inner = geometry();
    const QRect outer = frameGeometry();
    const int dx = std::abs(inner.left() - outer.left());
    const int dy = std::abs(inner.top() - outer.top());
    const int dw = std::abs(outer.width() - inner.width());
    const int dh = std::abs(outer.height() - inner.height());
    move(target.topLeft());
    setGeometry(target.left() + dx, target.top() + dy, target.width() - dw, target.height() - dh);
}

void GuiModelExplorer::changeFont(
    const QString& family, int size, int weight, int italic, int underline)
{
    QFont font = this->font();
    if (!family.isEmpty())
        font.setFamily(family);
    if (size > 0)
        font.setPointSize(std::min(size, GuiLimits::MaxPointSize));
    if (weight != -1)
        font.setWeight(weight != 0 ? 75 : 50);
    if (italic != -1)
        font.setItalic(italic != 0);
    if (underline != -1)
        font.setUnderline(underline != 0);
    const int oldUnit = fontUnit(this->font());
    setFont(font);
    m_modelView->setFont(font);
    const int newUnit = fontUnit(font);
    if (oldUnit > 0)
        m_modelView->scaleColumnWidths(double(newUnit) / oldUnit);
    menuBar()->setFont(font);
    menuBar()->adjustSize();
    for (QMenu* menu : findChildren<QMenu*>())
        menu->setFont(font);
}

void GuiModelExplorer::startWait(const QString& text, int delayMs)
{
    m_waitMessage = text;
    if (delayMs == -1) {
        statusBar()->showMessage(text);
        return;
    }
    if (m_waitTimerId == -1)
        m_waitTimerId = startTimer(std::max(0, delayMs), Qt::CoarseTimer);
}

void GuiModelExplorer::stopWait()
{
    m_waitMessage.clear();
    if (m_waitTimerId != -1) {
        killTimer(m_waitTimerId);
        m_waitTimerId = -1;
    }
    statusBar()->showMessage(QString());
    setCursor(Qt::ArrowCursor);
}

void GuiModelExplorer::sleepWindow(const QString& text)
{
    if (m_sleepTimerId != -1)
        killTimer(m_sleepTimerId);
    statusBar()->showMessage(text);
    m_sleepTimerId = startTimer(kSleepDelayMs, Qt::CoarseTimer);
}

void GuiModelExplorer::wakeWindow()
{
    if (m_sleepTimerId != -1) {
        killTimer(m_sleepTimerId);
        m_sleepTimerId = -1;
    }
    statusBar()->clearMessage();
    setEnabled(true);
}

void GuiModelExplorer::timerEvent(QTimerEvent* event)
{
    if (event->timerId() == m_waitTimerId) {
        killTimer(m_waitTimerId);
        m_waitTimerId = -1;
        if (m_waitMessage.isEmpty())
            setCursor(Qt::WaitCursor);
        else
            statusBar()->showMessage(m_waitMessage);
        return;
    }
    if (event->timerId() == m_sleepTimerId) {
        killTimer(m_sleepTimerId);
        m_sleepTimerId = -1;
        setEnabled(false);
        return;
    }
    QMainWindow::timerEvent(event);
}

void GuiModelExplorer::progress(QtMessage& msg)
{
    auto* p = as<QtProgressMessage>(msg);
    if (!p)
        return;
    if (p->m_string1.isEmpty()) {
        if (m_progressDialog)
            m_progressDialog->setValue(m_progressValue);
        return;
    }
    const int maximum = p->m_int1;
    const int minimumDuration = p->m_int3;
    const bool busy = p->m_bool;
    if (!m_progressTimer) {
        m_progressTimer = new QTimer(this);
        connect(m_progressTimer, &QTimer::timeout, this, &GuiModelExplorer::slotProgDlgTimeOut);
    }
    if (m_progressDialog) {
        m_progressDialog->reset();
        m_progressDialog->setValue(0);
        m_progressDialog->setMinimumDuration(minimumDuration);
        m_progressDialog->setRange(0, maximum);
        if (busy) {
            m_progressDialog->setRange(0, 0);
            if (!m_progressTimer->isActive())
                m_progressTimer->start(minimumDuration);
        }
        m_progressDialog->setLabelText(p->m_string1);
        m_progressDialog->setCancelButtonText(p->m_string2);
    } else {
        m_progressDialog = new QProgressDialog(p->m_string1, p->m_string2, 0, maximum, this);
        m_progressDialog->setMinimumDuration(minimumDuration);
        m_progressDialog->setValue(0);
        if (busy) {
            m_progressDialog->setRange(0, 0);
            m_progressTimer->start(minimumDuration);
        }
        connect(m_progressDialog, &QProgressDialog::canceled, this,
            &GuiModelExplorer::slotProgressDialogCanceled);
    }
    m_progressDialog->setValue(m_progressValue);
    m_progressValue = p->m_int2;
    m_progressCanceled = false;
}

void GuiModelExplorer::closeProgress()
{
    if (m_progressTimer)
        m_progressTimer->stop();
    if (m_progressDialog) {
        m_progressDialog->setValue(m_progressDialog->maximum());
        m_progressDialog->reset();
    }
    m_progressCanceled = false;
    m_progressValue = 0;
}

void GuiModelExplorer::slotProgDlgTimeOut()
{
    m_progressTimer->stop();
    if (m_progressDialog)
        m_progressDialog->show();
}

void GuiModelExplorer::slotProgressDialogCanceled()
{
    if (m_progressTimer)
        m_progressTimer->stop();
    if (m_progressDialog)
        m_progressDialog->cancel();
    m_progressCanceled = true;
}

void GuiModelExplorer::setSplitterSizes(const int* sizes, int count)
{
    if (!sizes)
        return;
    const int pairs = std::min(count / 2, 3);
    for (int i = 0; i < pairs; ++i) {
        QSplitter* target = m_splitters[i].data();
        const int a = sizes[2 * i];
        const int b = sizes[2 * i + 1];
        if (!target || target->count() < 2)
            continue;
        if (a == 0 && b == 0) {
            target->setStretchFactor(0, 1);
            target->setStretchFactor(1, 1);
            continue;
        }
        // Qt keeps stretch factors in 8 bits; sizes stay within a widget's extent.
        const int most = GuiLimits::MaxSplitterStretch;
        target->setStretchFactor(0, GuiLimits::clamp(a, 0, most));
        target->setStretchFactor(1, GuiLimits::clamp(b, 0, most));
        const int extent = GuiLimits::MaxExtent;
        if (i == 1 || b != 0) {
            target->setSizes(
                { GuiLimits::clamp(a, -extent, extent), GuiLimits::clamp(b, -extent, extent) });
        } else {
            const QList<int> current = target->sizes();
            target->setSizes(
                { GuiLimits::clamp(a, -extent, extent) - current.value(1), current.value(1) });
        }
    }
}

void GuiModelExplorer::reportSplitters()
{
    int sizes[6] = { 0, 0, 0, 0, 0, 0 };
    for (int i = 0; i < 3; ++i) {
        if (QSplitter* s = m_splitters[i].data()) {
            const QList<int> current = s->sizes();
            sizes[2 * i] = current.value(0);
            sizes[2 * i + 1] = current.value(1);
        }
    }
    GuiExplorerEvents(m_peerKey).splitters(sizes);
}

void GuiModelExplorer::reportVisibility(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    GuiExplorerEvents(m_peerKey).visibility(m_shownOnce, visible);
    if (visible)
        m_shownOnce = true;
}

void GuiModelExplorer::createNewObject(bool editable)
{
    VXIMReentrancyProtector protector;
    QStringList types;
    if (m_objSelectionList) {
        for (const std::string& type : m_objSelectionList->elements())
            types.append(QString::fromLocal8Bit(type.c_str()));
    }
    GuiObjectSelectionDialog dialog({ xlate_ME(17) + QStringLiteral(" - ") + xlate_ME(16),
                                        xlate_ME(14), xlate_ME(15), xlate_ME(12) },
        types, editable, this);
    if (dialog.exec() != QDialog::Accepted || dialog.typeText().isEmpty())
        return;
    statusBar()->clearMessage();
    GuiExplorerEvents(m_peerKey).createObject(dialog.typeText(), dialog.namesText());
}

void GuiModelExplorer::selectionChangedDialog(QtMessage& msg)
{
    msg.setReturnMsg(runSelectionChangedDialog(flagOf(msg), m_autoAnswerAction));
}

QtBoolInt2Message* GuiModelExplorer::runSelectionChangedDialog(
    bool hideCheckBox, const QString& autoAnswer)
{
    auto* reply = new QtBoolInt2Message(nullptr, MESelectionChangedDialogMsg);
    reply->m_bool = true;
    auto* dialog = new GuiMESelectionChangedDialog(this, reply, hideCheckBox);
    m_selectionChangedDialog.store(dialog);
    dialog->setFont(font());
    std::unique_ptr<IMRevertDlgThread> answer;
    if (!autoAnswer.isEmpty()) {
        answer = std::make_unique<IMRevertDlgThread>(this, autoAnswer);
        answer->start();
    }
    dialog->exec();
    if (answer)
        reply->m_bool = answer->waitForResult() != 0;
    m_selectionChangedDialog.store(nullptr);
    delete dialog;
    return reply;
}

void GuiModelExplorer::selectListNodesSync(QtMessage& msg)
{
    auto* p = as<QtHandleStr4Message>(msg);
    auto* objects = p ? static_cast<Objects*>(p->m_handle) : nullptr;
    bool result = false;
    if (p) {
        m_autoAnswerAction = p->m_string1;
        if (m_autoAnswerAction.isEmpty()) {
            if (objects)
                m_modelView->selectListViewNode(*objects);
        } else {
            UDInterface* first = objects && !objects->empty() ? objects->front() : nullptr;
            if (p->m_string2 == QLatin1String("TREE"))
                m_modelView->mouseSelectTreeViewNode(first);
            else
                m_modelView->mouseSelectListViewNode(first);
            result = m_autoAnswerAction == QLatin1String("Press");
        }
        m_autoAnswerAction.clear();
    }
    GuiCommonMessages::setResult(&msg, result ? 1 : 0);
}

void GuiModelExplorer::notifyTabBarSelectionChanged(int index)
{
    GuiExplorerEvents(m_peerKey).valueState(METabBarSelectionEvent, index, false);
}

void GuiModelExplorer::notifyViewHyperlink(UDInterface* object)
{
    statusBar()->clearMessage();
    GuiExplorerEvents(m_peerKey).object(MEViewHyperlinkEvent, object);
}

bool GuiModelExplorer::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != this) {
        if (event->type() == QEvent::Resize)
            reportSplitters();
        return QMainWindow::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::ActivationChange:
        if (isActiveWindow())
            GuiExplorerEvents(m_peerKey).plain(FocusEvent);
        break;
    case QEvent::ShortcutOverride: {
        auto* key = static_cast<QKeyEvent*>(event);
        QWidget* focus = QApplication::focusWidget();
        if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier && focus
            && focus != this) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier)
            break;
        const QString text
            = QKeySequence(int(key->modifiers()) | key->key()).toString(QKeySequence::PortableText);
        const auto hit = m_shortcuts.find(text);
        if (hit != m_shortcuts.end() && hit->second) {
            hit->second->trigger();
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::Wheel: {
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() == Qt::ControlModifier) {
            GuiExplorerEvents(m_peerKey).plain(
                wheel->angleDelta().y() < 1 ? FontDecreaseEvent : FontIncreaseEvent);
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QMainWindow::eventFilter(watched, event);
}

void GuiModelExplorer::closeEvent(QCloseEvent* event)
{
    if (m_forceClose) {
        event->accept();
        return;
    }
    event->ignore();
    const bool ctrl = QGuiApplication::keyboardModifiers() == Qt::ControlModifier;
    auto* close = new VXEvent(CloseEvent, static_cast<VXWidget*>(m_peerKey));
    close->setState(ctrl);
    close->doEvent();
}

void GuiModelExplorer::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    reportVisibility(true);
}

void GuiModelExplorer::hideEvent(QHideEvent* event)
{
    QMainWindow::hideEvent(event);
    reportVisibility(false);
}

void GuiModelExplorer::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    GuiExplorerEvents(m_peerKey).geometry(frameGeometry());
}

void GuiModelExplorer::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    GuiExplorerEvents(m_peerKey).geometry(frameGeometry());
}

QMenu* GuiModelExplorer::createPopupMenu()
{
    return m_toolbarMenuEnabled ? QMainWindow::createPopupMenu() : nullptr;
}

void GuiModelExplorer::slotSBDestroyed()
{
    if (m_modelView)
        m_modelView->setListViewTabBarVisible(false);
}

void GuiModelExplorer::slotSBVisibilityChanged(bool visible)
{
    if (m_modelView)
        m_modelView->setListViewTabBarVisible(visible);
}

void GuiModelExplorer::slotIncreaseFont()
{
    GuiExplorerEvents(m_peerKey).plain(FontIncreaseEvent);
}

void GuiModelExplorer::slotDecreaseFont()
{
    GuiExplorerEvents(m_peerKey).plain(FontDecreaseEvent);
}

void GuiModelExplorer::slotScopeGUIChanged(QAction* action)
{
    if (action && m_modelView)
        m_modelView->scopeGUIChanged(action->isChecked());
}

void GuiModelExplorer::slotListFilterChanged(QString text)
{
    GuiExplorerEvents(m_peerKey).text(MEListFilterChangedEvent, text);
}

void GuiModelExplorer::slotViewSelectionChanged(bool treeHasFocus)
{
    if (treeHasFocus == m_treeViewHasFocus)
        return;
    m_treeViewHasFocus = treeHasFocus;
    emit viewFocusChanged(treeHasFocus);
    statusBar()->clearMessage();
    GuiExplorerEvents(m_peerKey).valueState(MEViewSelectionChangedEvent, 0, treeHasFocus);
}

void GuiModelExplorer::slotListGroupChanged(QString column)
{
    GuiExplorerEvents(m_peerKey).text(SSGroupingChangedEvent, column);
}

void GuiModelExplorer::slotDialogUpdateRequest(UDInterface* object)
{
    GuiExplorerEvents(m_peerKey).factoryRecordList(MEUpdateDialogEvent, object);
}

void GuiModelExplorer::slotTreeItemDoubleClicked(UDInterface* object)
{
    GuiExplorerEvents(m_peerKey).factoryRecordList(METreeItemDblClickedEvent, object);
}

void GuiModelExplorer::slotRightButtonClicked(
    QPoint location, bool isTree, bool isWhiteSpace, QString propertyName)
{
    statusBar()->clearMessage();
    GuiExplorerEvents(m_peerKey).rightClick(
        location.x(), location.y(), isTree, isWhiteSpace, isTree ? QString() : propertyName);
}

void GuiModelExplorer::slotColumnsReordered(VXStringList* propList)
{
    GuiExplorerEvents(m_peerKey).names(MEColumnsReorderedEvent, propList);
}

void GuiModelExplorer::slotDragStart(bool isList)
{
    GuiExplorerEvents(m_peerKey).plain(isList ? MEListDragStartEvent : METreeDragStartEvent);
}

void GuiModelExplorer::slotDragEnter() { }

void GuiModelExplorer::slotDropQuery(VXMEObjectEventData* eventData, bool isList, int dragButtons)
{
    m_dragButtons = dragButtons;
    GuiExplorerEvents(m_peerKey).record(
        isList ? MEListDropQueryEvent : METreeDropQueryEvent, eventData, dragButtons);
}

void GuiModelExplorer::slotCheckboxStateChanged(UDInterface* object, bool checked)
{
    GuiExplorerEvents(m_peerKey).object(METreeNodeCheckboxStateChangedEvent, object, checked);
}

void GuiModelExplorer::slotTreeExpanded(VXMEObjectEventData* eventData)
{
    statusBar()->clearMessage();
    GuiExplorerEvents(m_peerKey).record(METreeExpandedEvent, eventData);
}

void GuiModelExplorer::slotTreeCollapsed(VXMEObjectEventData* eventData)
{
    statusBar()->clearMessage();
    GuiExplorerEvents(m_peerKey).record(METreeCollapsedEvent, eventData);
}

void GuiModelExplorer::slotDrop(UDInterface* udi, bool isList, int x, int y)
{
    GuiExplorerEvents(m_peerKey).mouse(
        isList ? MEListDropEvent : METreeDropEvent, x, y, udi, m_dragButtons);
}

void GuiModelExplorer::slotTreeSelectionChanged(VXMEObjectEventData* eventData)
{
    statusBar()->clearMessage();
    emit listSourceChanged(eventData);
    GuiExplorerEvents(m_peerKey).record(METreeSelectionChangedEvent, eventData);
}

void GuiModelExplorer::slotModelChanged()
{
    GuiExplorerEvents(m_peerKey).plain(MEModelChangedEvent);
}

void GuiModelExplorer::slotStatusMessageChanged(int id)
{
    if (id == -1)
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(xlate_ME(id));
}
