#include "messaging/QtModelExplorer.h"

#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "engine/modelexplorer/VXMENavigationAttributes.h"
#include "engine/modelexplorer/VXMEObjectData.h"
#include "engine/modelexplorer/VXMEObjectDataFactory.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXMEViewAttributes.h"
#include "messaging/MessageText.h"
#include "messaging/QtBoolInt2Message.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtInt5Message.h"
#include "messaging/QtIntArrayMessage.h"
#include "messaging/QtIntMessage.h"
#include "messaging/QtProgressMessage.h"
#include "messaging/QtRectMessage.h"
#include "messaging/QtStr2Int2Message.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtString2Message.h"
#include "messaging/QtString5Message.h"
#include "messaging/QtStringList2Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/QtUIDStringList2Message.h"
#include "messaging/QtUIDsMessage.h"
#include "messaging/RecordPosts.h"
#include "vrix/VXStringList.h"
#include "vrix/services/ServiceRegistry.h"

#if __has_include("engine/modelexplorer/VXMEEditTypeData.h")
#include "engine/modelexplorer/VXMEEditTypeData.h"
#define VX_HAVE_EDIT_TYPE_DATA 1
#endif

#include <memory>

namespace {

using RecordList = VXModelExplorer::RecordList;

void* key(const void* pointer)
{
    return const_cast<void*>(pointer);
}

template <class T> void releasePlain(void* pointer)
{
    delete static_cast<T*>(pointer);
}

std::u16string utf16(const QString& text)
{
    return std::u16string(
        reinterpret_cast<const char16_t*>(text.utf16()), static_cast<std::size_t>(text.size()));
}

QStringList toQStringList(const VXStringList* list)
{
    QStringList texts;
    if (list) {
        for (const std::string& text : list->elements())
            texts.append(QString::fromLocal8Bit(text.c_str()));
    }
    return texts;
}

// A text reply duplicated for the host, which frees it; null without an answer.
char* askDup8(QtMessage* request)
{
    const QtMessageHolder reply = vxpeer::sendForReply(request);
    const auto* text = dynamic_cast<const QtStringMessage*>(reply.get());
    return text ? utStrdup(text->m_string.toLocal8Bit().constData()) : nullptr;
}

QtHandleStr4Message* handleTexts(const void* target, VXMessageType id, const void* handle,
    const QString& text1, const QString& text2 = QString(), const QString& text3 = QString())
{
    auto* message = new QtHandleStr4Message(key(target), id);
    message->m_handle = key(handle);
    message->m_string1 = text1;
    message->m_string2 = text2;
    message->m_string3 = text3;
    return message;
}

const char* flagText(bool flag)
{
    return flag ? "true" : "false";
}

} // namespace

QtModelExplorer::QtModelExplorer() = default;

void QtModelExplorer::setRoot(VXMEObjectMessageData* root)
{
    vxpeer::postOwned(this, MESetRootMsg, root);
}

void QtModelExplorer::show(bool visible, bool wait)
{
    // Show and hide share no row that carries the flag: the window is shown with ShowMsg and
    // hidden with HideMsg; a waiting hide is followed by a round trip, which returns only once
    // the hide ahead of it has been handled.
    if (visible) {
        if (wait)
            vxpeer::send(this, ShowMsg);
        else
            vxpeer::post(this, ShowMsg);
        return;
    }
    vxpeer::post(this, HideMsg);
    if (wait)
        vxpeer::ask<bool>(this, MEIsVisibleMsg);
}

void QtModelExplorer::minimize()
{
    vxpeer::post(this, ShowMinimizedMsg);
}

void QtModelExplorer::replaceSubtreeAndRequest(VXMEObjectMessageData* subtree)
{
    vxpeer::postOwned(this, MEReplaceSubtreeNRequestMsg, subtree);
}

void QtModelExplorer::replaceSubtree(VXMEObjectMessageData* subtree)
{
    vxpeer::postOwned(this, MEReplaceSubtreeMsg, subtree);
}

void QtModelExplorer::removeSubtrees(std::vector<UDInterface*>* objects)
{
    vxpeer::postOwned(this, MERemoveSubtreesMsg, objects);
}

void QtModelExplorer::replacePropertyNames(VXStringList* names, VXStringList* displayNames)
{
    // The lists are the explorer's: converted here and freed at once.
    std::unique_ptr<VXStringList> first(names);
    std::unique_ptr<VXStringList> second(displayNames);
    auto* message = new QtStringList2Message(this, MEReplacePropertyNames);
    message->m_list1 = toQStringList(first.get());
    message->m_list2 = toQStringList(second.get());
    vxpeer::post(message);
}

void QtModelExplorer::addList(RecordList* list)
{
    vxpeer::postRecords(this, MEAddListMsg, list);
}

void QtModelExplorer::replaceList(RecordList* list, const std::u16string& text)
{
    vxpeer::postRecords(this, MEReplaceListMsg, list, text);
}

void QtModelExplorer::removeList(std::vector<UDInterface*>* objects)
{
    vxpeer::postOwned(this, MERemoveListMsg, objects);
}

void QtModelExplorer::clearList()
{
    vxpeer::send(this, MEClearListMsg);
}

void QtModelExplorer::replaceHyperlink(UDInterface* object, const std::u16string& text,
    const std::u16string& text2, const std::u16string& text3)
{
    vxpeer::post(new QtHandleStr4Message(
        this, MEReplaceHyperlinkMsg, object, text, text2, text3, std::u16string()));
}

void QtModelExplorer::changeEditType(VXMEEditTypeData* editType)
{
#ifdef VX_HAVE_EDIT_TYPE_DATA
    vxpeer::postOwned(this, MEChangeEditTypeMsg, editType);
#else
    // Without the delegate's record type there is nothing to hand it to or free it with.
    (void)editType;
#endif
}

void QtModelExplorer::editListNodes(RecordList* list)
{
    vxpeer::postRecords(this, MEEditListNodesMsg, list);
}

void QtModelExplorer::updateNodes(RecordList* list, bool flag)
{
    vxpeer::postRecords(this, MEUpdateNodesMsg, list, flag);
}

void QtModelExplorer::updatePendingData(RecordList* list)
{
    vxpeer::postRecords(this, MESetPendingDataMsg, list);
}

void QtModelExplorer::replaceObjSelectionList(VXStringList* types)
{
    vxpeer::postOwned(this, MEReplaceObjSelectionListMsg, types);
}

void QtModelExplorer::selectAndCreateNewObject(bool editable)
{
    vxpeer::post(this, MECreateNewObjMsg, editable);
}

void QtModelExplorer::setPosition(int x, int y, int width, int height)
{
    vxpeer::post(this, MESetPositionMsg, vxpeer::Rect { x, y, width, height });
}

void QtModelExplorer::getPosition(int& x, int& y, int& width, int& height)
{
    const auto rect = vxpeer::ask<VRIX::VXRect<int>>(this, MEGetPositionMsg);
    x = rect.x();
    y = rect.y();
    width = rect.width();
    height = rect.height();
}

void QtModelExplorer::setFont(
    const char* family, int pointSize, int bold, int italic, int underline)
{
    vxpeer::post(this, SetFontMsg, vxpeer::Font { family, pointSize, bold, italic, underline });
}

void QtModelExplorer::setSplitterSizes(int* sizes, int count)
{
    auto* message = new QtIntArrayMessage(this, MESetSplitterSizesMsg);
    message->setValues(sizes, count);
    vxpeer::post(message);
}

void QtModelExplorer::setWindowIcon(const char* path)
{
    vxpeer::post(this, MESetIconMsg, path);
}

char* QtModelExplorer::getWindowIcon()
{
    return vxpeer::askDup8(this, MEGetIconMsg);
}

void QtModelExplorer::setTitle(const std::u16string& title)
{
    vxpeer::post(this, MESetTitleMsg, title);
}

void QtModelExplorer::setStatusMessage(const std::u16string& text, int delayMs)
{
    vxpeer::post(new QtStrIntMessage(this, MESetStatusMsg, text, delayMs));
}

std::u16string QtModelExplorer::getTitle()
{
    return vxpeer::ask<std::u16string>(this, MEGetTitleMsg);
}

bool QtModelExplorer::isVisible()
{
    return getBoolValue(MEIsVisibleMsg);
}

bool QtModelExplorer::hasFocus()
{
    return getBoolValue(MEHasFocusMsg);
}

void QtModelExplorer::executeMenuItem(const char* text, VXAction* action, bool* state)
{
    executeMenuItem(utf16(messageText(text)), action, state);
}

void QtModelExplorer::executeMenuItem(const std::u16string& text, VXAction* action, bool* state)
{
    const bool checkable = state && state[0];
    const bool checked = state && state[1];
    vxpeer::post(handleTexts(this, MEExecMenuItemMsg, action, messageText(text),
        QString::fromLatin1(flagText(checkable)), QString::fromLatin1(flagText(checked))));
}

bool QtModelExplorer::selectTreeNode(UDInterface* object)
{
    return vxpeer::ask<bool>(new QtHandleMessage(this, MESelectTreeNodeMsg, object));
}

void QtModelExplorer::selectListNodes(std::vector<UDInterface*>* objects)
{
    vxpeer::postOwned(this, MESelectListNodesMsg, objects);
}

bool QtModelExplorer::selectListNode(const char* column, const char* text)
{
    return vxpeer::ask<bool>(new QtString2Message(this, MESelectListNodeMsg, column, text, false));
}

bool QtModelExplorer::selectListNodes(
    UDInterface* owner, const std::vector<unsigned>& indices, UDInterface* current)
{
    auto* message = new QtUIDsMessage(this, MESelectListNodeIndicesMsg);
    message->m_handle = owner;
    message->m_uids = indices;
    // The row to make current rides in the result slot, which a sent message's handler reads.
    message->m_result = current;
    return vxpeer::ask<bool>(message);
}

void QtModelExplorer::highlightNodes(const std::map<UDInterface*, VRIX::Color>& colors)
{
    vxpeer::postOwned(this, MEHighlightNodesMsg, new std::map<UDInterface*, VRIX::Color>(colors));
}

void QtModelExplorer::unhighlightNodes(const std::vector<UDInterface*>& objects)
{
    vxpeer::postOwned(this, MEUnhighlightNodesMsg, new std::vector<UDInterface*>(objects));
}

bool QtModelExplorer::doubleClickListNodes(std::vector<UDInterface*>* objects)
{
    // Sent: the window reads the caller's vector while the engine thread waits.
    return vxpeer::ask<bool>(new QtHandleMessage(this, MEDoubleClickListNodesMsg, objects));
}

void QtModelExplorer::selectAllListNodes(bool select)
{
    vxpeer::post(this, MESelectAllListNodesMsg, select);
}

void QtModelExplorer::addSubMenu(VXPopupMenu* menu, const char* title)
{
    addSubMenu(menu, utf16(messageText(title)));
}

void QtModelExplorer::addSubMenu(VXPopupMenu* menu, const std::u16string& title)
{
    vxpeer::post(handleTexts(this, MEAddSubMenuMsg, menu, messageText(title)));
}

void QtModelExplorer::addPopupMenu(VXPopupMenu* menu, int x, int y)
{
    vxpeer::post(this, MEAddPopupMenuMsg, vxpeer::HandleInts { menu, x, y });
}

void QtModelExplorer::clearMenus()
{
    vxpeer::post(this, MEClearMenusMsg);
}

void QtModelExplorer::close(bool force)
{
    vxpeer::post(this, MECloseMsg, force);
}

void QtModelExplorer::setAcceptedActions(
    UDInterface* object, VRIX::VXFlags<VRIX::DropAction> actions)
{
    using Factory = VXServices::VXService<VXServices::VXMEObjectDataFactory>;
    VXServices::VXMEObjectDataFactory* factory = Factory::get();
    VXMEObjectMessageData* record = factory ? factory->createMessageData(object) : nullptr;
    auto* message = new QtHandleInt5Message(
        this, MEAcceptedActionsMsg, record, static_cast<int>(actions.word()));
    message->m_owned.own(record, &releasePlain<VXMEObjectMessageData>);
    vxpeer::post(message);
}

void QtModelExplorer::setCurrentDialog(VXObject* dialog)
{
    vxpeer::post(this, MESetCurrentDialogMsg, vxpeer::Handle { dialog });
}

bool QtModelExplorer::expandTreeNode(UDInterface* object)
{
    return vxpeer::ask<bool>(new QtHandleMessage(this, MEExpandTreeNodeMsg, object));
}

bool QtModelExplorer::collapseTreeNode(UDInterface* object)
{
    return vxpeer::ask<bool>(new QtHandleMessage(this, MECollapseTreeNodeMsg, object));
}

void QtModelExplorer::clickHyperlink()
{
    // The row is shared with the spreadsheet, which names the cell; the window names none.
    vxpeer::post(new QtHandleStr4Message(key(this), SSClickHyperLinkMsg));
}

// The fill operations are sent: the window writes into the caller's container while the engine
// thread waits for it.
void QtModelExplorer::fillVectorWithVisibleTreeNodes(std::vector<UDInterface*>* objects)
{
    vxpeer::send(new QtHandleMessage(this, MEFillVectorWithVisibleTreeNodesMsg, objects));
}

void QtModelExplorer::fillVectorWithTreeViewText(std::vector<std::u16string>* texts)
{
    vxpeer::send(new QtHandleMessage(this, MEFillVectorWithTreeViewTextMsg, texts));
}

void QtModelExplorer::fillVectorWithVisibleListNodes(RecordList* list)
{
    vxpeer::send(new QtHandleMessage(this, MEFillVectorWithVisibleListNodesMsg, list));
}

void QtModelExplorer::fillVectorWithListViewText(std::vector<void*>* texts)
{
    vxpeer::send(new QtHandleMessage(this, SSFillVectorWithTextMsg, texts));
}

void QtModelExplorer::loadListViewContent()
{
    vxpeer::send(this, MELoadListViewContentMsg);
}

int QtModelExplorer::getGroupCount()
{
    return vxpeer::ask<int>(this, MEGetGroupCountMsg);
}

void QtModelExplorer::fillVectorWithGroupChildren(const char* group, std::vector<void*>* children)
{
    vxpeer::send(handleTexts(this, MEFillVectorWithGroupChildrenMsg, children, messageText(group)));
}

void QtModelExplorer::setFilterString(const std::u16string& text)
{
    vxpeer::send(new QtStringMessage(this, MESetFilterStringMsg, text));
}

std::u16string QtModelExplorer::getFilterString()
{
    return vxpeer::ask<std::u16string>(this, MEGetFilterStringMsg);
}

std::u16string QtModelExplorer::getContentsOfString()
{
    return vxpeer::ask<std::u16string>(this, MEGetContentsOfStringMsg);
}

void QtModelExplorer::changeViewOptions(VXMEViewAttributes* options)
{
    vxpeer::postOwned(this, MEChangeViewOptionsMsg, options);
}

void QtModelExplorer::changeNavOptions(VXMENavigationAttributes* options)
{
    vxpeer::postOwned(this, MEChangeNavOptionsMsg, options);
}

bool QtModelExplorer::selectListNodesSync(
    std::vector<UDInterface*>* objects, const char* action, const char* view)
{
    const QString actionText = messageText(action);
    return vxpeer::ask<bool>(handleTexts(this, MESelectListNodesSyncMsg, objects, actionText,
        messageText(view), QString::fromLatin1(flagText(actionText.isEmpty()))));
}

void QtModelExplorer::fillVectorWithSelectedListNodes(RecordList* list)
{
    vxpeer::send(new QtHandleMessage(this, MEFillVectorWithSelectedListNodesMsg, list));
}

void QtModelExplorer::enableListSorting(
    bool enable, const char* column, bool ascending, bool flag3, bool flag4)
{
    vxpeer::post(new QtStrInt4Message(
        this, SSEnableSortingMsg, column, enable, ascending, flag3, flag4, false));
}

void QtModelExplorer::addSearchPanel(VXSearchPanel* panel)
{
    vxpeer::post(this, MEAddSearchPanelMsg, vxpeer::Handle { panel });
}

void QtModelExplorer::progressDialog(const std::u16string& label, const std::u16string& cancelText,
    int maximum, int value, int minimumDurationMs, bool busy)
{
    // Always a real post: the host polls the cancel flag between steps and must not wait for
    // the dialog on each one.
    const bool imPost = VXBridge::m_imPost;
    VXBridge::m_imPost = false;
    vxpeer::post(new QtProgressMessage(
        this, MEProgressDialogMsg, label, cancelText, maximum, value, minimumDurationMs, busy));
    VXBridge::m_imPost = imPost;
}

void QtModelExplorer::progressDialogClose()
{
    vxpeer::send(
        new QtProgressMessage(this, MEProgressDialogCloseMsg, u"", u"", 0, 0, 2500, false));
}

bool QtModelExplorer::progressDialogIsCanceled()
{
    return vxpeer::ask<bool>(
        new QtProgressMessage(this, MEProgressDialogIsCanceledMsg, u"", u"", 0, 0, 2500, false));
}

void QtModelExplorer::setTreeColumnTitle(const char* title)
{
    setTreeColumnTitle(utf16(messageText(title)));
}

void QtModelExplorer::setTreeColumnTitle(const std::u16string& title)
{
    vxpeer::post(this, MESetTreeColumnTitleMsg, title);
}

void QtModelExplorer::showContentsOf(bool show)
{
    vxpeer::post(this, MEShowContentsOfMsg, show);
}

void QtModelExplorer::showTreeView(bool show)
{
    vxpeer::post(this, MEShowTreeViewMsg, show);
}

void QtModelExplorer::showListView(bool show)
{
    vxpeer::post(this, MEShowListViewMsg, show);
}

void QtModelExplorer::showStatusBar(bool show)
{
    vxpeer::post(this, MEShowStatusBarMsg, show);
}

void QtModelExplorer::showFilterContents(bool show)
{
    vxpeer::post(this, MEShowFilterContentsMsg, show);
}

void QtModelExplorer::showContentsOfHyperlink(bool show)
{
    vxpeer::post(this, MEShowContentsOfHyperlinkMsg, show);
}

void QtModelExplorer::enableToolbarMenu(bool enable)
{
    vxpeer::post(this, MEEnableToolbarMenuMsg, enable);
}

void QtModelExplorer::setListViewWidth(int width)
{
    vxpeer::post(this, MESetListViewWidthMsg, width);
}

int QtModelExplorer::getListViewWidth()
{
    return vxpeer::ask<int>(this, MEGetListViewWidthMsg);
}

void QtModelExplorer::editListViewNode(
    std::vector<UDInterface*>* objects, int column, const std::u16string& value)
{
    auto* message = new QtHandleNumStrMessage(this, MEEditListViewNodeMsg, objects, column, value);
    message->m_owned.own(objects, &releasePlain<std::vector<UDInterface*>>);
    vxpeer::post(message);
}

int QtModelExplorer::countMenuBarItems()
{
    return vxpeer::ask<int>(this, MECountMenuBarItemsMsg);
}

char* QtModelExplorer::getTreeNodeCheckboxState(UDInterface* object)
{
    return askDup8(new QtHandleMessage(this, MEGetCheckStateMsg, object));
}

void QtModelExplorer::setNeverAskAgain(bool never)
{
    vxpeer::send(new QtBoolMessage(this, MENeverAskAgainMsg, never));
}

bool QtModelExplorer::isHyperLinkEnabled()
{
    return getBoolValue(MEIsHyperLinkEnabledMsg);
}

bool QtModelExplorer::isListViewTabBarVisible()
{
    return getBoolValue(MEIsListViewTabBarVisibleMsg);
}

void QtModelExplorer::executeListViewTabBar(int index)
{
    vxpeer::send(new QtIntMessage(this, MEExecuteListViewTabBarMsg, index));
}

void QtModelExplorer::selectCurrentItem()
{
    vxpeer::post(this, MESelectCurrentItemMsg);
}

bool QtModelExplorer::isNodePixmapForReadOnly(UDInterface* object, const char* property)
{
    return vxpeer::ask<bool>(
        handleTexts(this, MEIsNodePixmapForReadOnlyMsg, object, messageText(property)));
}

char* QtModelExplorer::getPropertyName(int column, bool flag)
{
    return askDup8(new QtInt5Message(this, MEGetPropertyNameMsg, column, flag ? 1 : 0));
}

int QtModelExplorer::getReplaceListCounter()
{
    return vxpeer::ask<int>(this, MEGetReplaceListCounterMsg);
}

bool QtModelExplorer::canDragStart(bool isList)
{
    return vxpeer::ask<bool>(new QtBoolMessage(this, MECanDragStartMsg, isList));
}

bool QtModelExplorer::isListNodePropReadOnly(UDInterface* object, int column)
{
    return vxpeer::ask<bool>(
        new QtHandleInt5Message(this, MEIsListNodePropReadOnlyMsg, object, column));
}

void QtModelExplorer::setListViewVisible(bool visible)
{
    vxpeer::post(this, MESetListViewVisibleMsg, visible);
}

void QtModelExplorer::setListMultiSelect(bool multi)
{
    vxpeer::post(this, MESetListMultiSelectMsg, multi);
}

void QtModelExplorer::startWait(int delayMs)
{
    vxpeer::post(this, MEStartWaitMsg, delayMs);
}

void QtModelExplorer::stopWait()
{
    vxpeer::post(this, MEStopWaitMsg);
}

void QtModelExplorer::setDlgListViewLayoutVert(bool vertical)
{
    vxpeer::post(this, MESetDlgListViewLayoutVertMsg, vertical);
}

bool QtModelExplorer::isDlgListViewLayoutVert()
{
    return getBoolValue(MEIsDlgListViewLayoutVertMsg);
}

void QtModelExplorer::setDlgViewScrollable(bool scrollable)
{
    vxpeer::post(this, MESetDlgViewScrollableMsg, scrollable);
}

bool QtModelExplorer::isDlgViewScrollable()
{
    return getBoolValue(MEIsDlgViewScrollableMsg);
}

void QtModelExplorer::autosizeListViewColumn(const char* column)
{
    vxpeer::send(new QtStringMessage(this, MEAutosizeListViewColumnMsg, column, false));
}

int QtModelExplorer::getListViewStrColWidth(const char* column, const char* text)
{
    return vxpeer::ask<int>(
        new QtString2Message(this, MEGetListViewStrColWidthMsg, column, text, false));
}

void QtModelExplorer::setListViewStrColWidth(const char* column, const char* text, int width)
{
    vxpeer::post(
        new QtStr2Int2Message(this, MESetListViewStrColWidthMsg, column, text, width, 0, false));
}

int QtModelExplorer::getListViewMaxCharColWidth(const char* column)
{
    return vxpeer::ask<int>(
        new QtStringMessage(this, MEGetListViewMaxCharColWidthMsg, column, false));
}

void QtModelExplorer::setListViewMaxCharColWidth(const char* column, int width)
{
    vxpeer::post(
        new QtStrInt4Message(this, MESetListViewMaxCharColWidthMsg, column, width, 0, 0, 0, false));
}

int QtModelExplorer::getListViewAvgCharColWidth(const char* column)
{
    return vxpeer::ask<int>(
        new QtStringMessage(this, MEGetListViewAvgCharColWidthMsg, column, false));
}

void QtModelExplorer::setListViewAvgCharColWidth(const char* column, int width)
{
    vxpeer::post(
        new QtStrInt4Message(this, MESetListViewAvgCharColWidthMsg, column, width, 0, 0, 0, false));
}

void QtModelExplorer::showSelectionChangedDialog(
    bool& apply, bool& neverAskAgain, int& handled, bool hideCheckBox)
{
    const QtMessageHolder reply
        = vxpeer::sendForReply(new QtBoolMessage(this, MESelectionChangedDialogMsg, hideCheckBox));
    const auto* answer = dynamic_cast<const QtBoolInt2Message*>(reply.get());
    apply = answer && answer->m_int1 != 0;
    neverAskAgain = answer && answer->m_int2 != 0;
    handled = answer && answer->m_bool ? 1 : 0;
}

void QtModelExplorer::reorderColumns(VXStringList* columns)
{
    vxpeer::postOwned(this, MEReorderColumnsMsg, columns);
}

void QtModelExplorer::addTreeAction(VXAction* action)
{
    vxpeer::post(this, MEAddTreeActionMsg, vxpeer::Handle { action });
}

void QtModelExplorer::removeTreeAction(VXAction* action)
{
    vxpeer::post(this, MERemoveTreeActionMsg, vxpeer::Handle { action });
}

void QtModelExplorer::setListViewManager(VXObject* manager)
{
    vxpeer::post(this, MESetListViewManagerMsg, vxpeer::Handle { manager });
}

void QtModelExplorer::setScopeOption(VXAction* action)
{
    vxpeer::post(this, MESetScopeOptionMsg, vxpeer::Handle { action });
}

bool QtModelExplorer::isInHierarchy(UDInterface* object)
{
    return vxpeer::ask<bool>(new QtHandleMessage(this, MEIsInHierarchyMsg, object));
}

void QtModelExplorer::groupBy(const char* column)
{
    vxpeer::send(new QtStringMessage(this, MEGroupByMsg, column, false));
}

void QtModelExplorer::setGroupColumn(const char* column)
{
    vxpeer::send(new QtStringMessage(this, MESetGroupColumnMsg, column, false));
}

char* QtModelExplorer::getGroupColumn()
{
    return vxpeer::askDup8(this, MEGetGroupColumnMsg);
}

void QtModelExplorer::expandGroup(const char* group)
{
    vxpeer::send(new QtStringMessage(this, MEExpandGroupMsg, group, false));
}

void QtModelExplorer::collapseGroup(const char* group)
{
    vxpeer::send(new QtStringMessage(this, MECollapseGroupMsg, group, false));
}

int QtModelExplorer::getListViewCount()
{
    return vxpeer::ask<int>(this, MEGetListViewCountMsg);
}

void QtModelExplorer::setHideGroupColumn(bool hide)
{
    vxpeer::post(this, MESetHideGroupColumnMsg, hide);
}

bool QtModelExplorer::getHideGroupColumn()
{
    return getBoolValue(MEGetHideGroupColumnMsg);
}

void QtModelExplorer::startListLoad(bool clear, bool* cancel)
{
    auto* message = new QtHandleBoolMessage(this, MEStartListLoadMsg);
    message->m_handle = cancel;
    message->m_bool = clear;
    vxpeer::send(message);
}

void QtModelExplorer::stopListLoad()
{
    vxpeer::send(this, MEStopListLoadMsg);
}

void QtModelExplorer::setFreezeColumn(const std::string& column)
{
    vxpeer::send(new QtStringMessage(this, MESetFreezeColumnMsg, column.c_str(), false));
}

void QtModelExplorer::enableFreezePane(bool enable)
{
    vxpeer::post(this, MEEnableFreezePaneMsg, enable);
}

void QtModelExplorer::setShowGroupCount(bool show)
{
    vxpeer::send(new QtBoolMessage(this, MESetShowGroupCountMsg, show));
}

bool QtModelExplorer::getShowGroupCount()
{
    return getBoolValue(MEGetShowGroupCountMsg);
}

void QtModelExplorer::setShowGroupName(bool show)
{
    vxpeer::send(new QtBoolMessage(this, MESetShowGroupNameMsg, show));
}

bool QtModelExplorer::getShowGroupName()
{
    return getBoolValue(MEGetShowGroupNameMsg);
}

void QtModelExplorer::addAccordionPane(const std::u16string& name, const std::u16string& title,
    const std::u16string& icon, const std::u16string& text4, const std::u16string& text5)
{
    vxpeer::send(
        new QtString5Message(this, MEAddAccordionPaneMsg, name, title, icon, text4, text5));
}

void QtModelExplorer::removeAccordionPane(const std::u16string& name)
{
    vxpeer::send(new QtStringMessage(this, MERemoveAccordionPaneMsg, name));
}

void QtModelExplorer::selectAccordionPane(const std::u16string& name)
{
    vxpeer::send(new QtStringMessage(this, MESelectAccordionPaneMsg, name));
}

void QtModelExplorer::showAccordionPane(const std::u16string& name)
{
    vxpeer::send(new QtStringMessage(this, MEShowAccordionPaneMsg, name));
}

void QtModelExplorer::hideAccordionPane(const std::u16string& name)
{
    vxpeer::send(new QtStringMessage(this, MEHideAccordionPaneMsg, name));
}

void QtModelExplorer::setListViewInfoPanel(VXObject* panel)
{
    vxpeer::post(this, MESetListViewInfoPanelMsg, vxpeer::Handle { panel });
}

bool QtModelExplorer::getListLoadTestFlag()
{
    return getBoolValue(MEGetListLoadTestFlagMsg);
}

int QtModelExplorer::getPossibleListViewItemCount()
{
    return vxpeer::ask<int>(this, MEGetPossibleListViewItemCountMsg);
}

void QtModelExplorer::getLoadedListViewNodes(std::vector<UDInterface*>* objects)
{
    vxpeer::send(new QtHandleMessage(this, MEGetLoadedListViewNodesMsg, objects));
}

void QtModelExplorer::getLoadedListViewText(std::vector<void*>* texts)
{
    vxpeer::send(new QtHandleMessage(this, MEGetLoadedListViewTextMsg, texts));
}

void QtModelExplorer::scrollListView(int position)
{
    vxpeer::post(this, MEScrollListViewMsg, position);
}

void QtModelExplorer::sleep(const std::u16string& message)
{
    vxpeer::send(new QtStringMessage(this, MESleepMsg, message));
}

void QtModelExplorer::wake()
{
    vxpeer::send(this, MEWakeMsg);
}

void QtModelExplorer::setItemInfoForIncrementalLoad(
    unsigned index, UDInterface* owner, VXStringList* names, VXStringList* values)
{
    std::unique_ptr<VXStringList> ownedNames(names);
    std::unique_ptr<VXStringList> ownedValues(values);
    auto* message = new QtUIDStringList2Message(this, MESetItemInfoForIncrementalLoadMsg);
    message->m_uid = index;
    message->m_handle = owner;
    message->m_list1 = toQStringList(ownedNames.get());
    message->m_list2 = toQStringList(ownedValues.get());
    vxpeer::post(message);
}

void QtModelExplorer::clearIndices(UDInterface* owner, const std::vector<unsigned>& indices)
{
    auto* message = new QtUIDsMessage(this, MEClearIndicesMsg);
    message->m_handle = owner;
    message->m_uids = indices;
    vxpeer::send(message);
}

void QtModelExplorer::setAutoExpand(bool expand)
{
    vxpeer::post(this, MESetAutoExpandMsg, expand);
}

void QtModelExplorer::setDropCancel()
{
    vxpeer::post(this, MESetDropCancelMsg);
}

bool QtModelExplorer::getBoolValue(VXMessageType type)
{
    return vxpeer::ask<bool>(this, type);
}
