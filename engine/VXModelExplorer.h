#pragma once

#include "engine/VXWidget.h"
#include "engine/modelexplorer/UDInterface.h"
#include "vrix/Color.h"
#include "vrix/DropAction.h"
#include "vrix/VXFlags.h"
#include "vxqtgui_export.h"

#include <list>
#include <map>
#include <string>
#include <vector>

class VXAction;
class VXMEEditTypeData;
class VXMENavigationAttributes;
class VXMEObjectData;
class VXMEObjectMessageData;
class VXMEViewAttributes;
class VXPopupMenu;
class VXSearchPanel;
class VXStringList;

/// Engine-side proxy of a Model Explorer window. Every record, list, vector and option record
/// handed to an operation becomes the explorer's: the caller must not touch it again. Built by
/// its peer, which attaches the parent. Engine thread.
class VXQTGUI_EXPORT VXModelExplorer : public VXWidget {
public:
    using RecordList = std::list<VXMEObjectData*>;

    VXModelExplorer();
    ~VXModelExplorer() override;

    using VXWidget::show;

    virtual void setRoot(VXMEObjectMessageData* root) = 0;
    /// Posted, or sent when `wait` (the window is then shown or hidden on return).
    virtual void show(bool visible, bool wait) = 0;
    virtual void minimize() = 0;
    virtual void replaceSubtreeAndRequest(VXMEObjectMessageData* subtree) = 0;
    virtual void replaceSubtree(VXMEObjectMessageData* subtree) = 0;
    virtual void removeSubtrees(std::vector<UDInterface*>* objects) = 0;
    virtual void replacePropertyNames(VXStringList* names, VXStringList* displayNames) = 0;
    virtual void addList(RecordList* list) = 0;
    virtual void replaceList(RecordList* list, const std::u16string& text) = 0;
    virtual void removeList(std::vector<UDInterface*>* objects) = 0;
    virtual void clearList() = 0;
    virtual void replaceHyperlink(UDInterface* object, const std::u16string& text,
        const std::u16string& text2, const std::u16string& text3)
        = 0;
    virtual void changeEditType(VXMEEditTypeData* editType) = 0;
    virtual void editListNodes(RecordList* list) = 0;
    virtual void updateNodes(RecordList* list, bool flag) = 0;
    virtual void updatePendingData(RecordList* list) = 0;
    virtual void replaceObjSelectionList(VXStringList* types) = 0;
    virtual void selectAndCreateNewObject(bool editable) = 0;
    virtual void setPosition(int x, int y, int width, int height) = 0;
    virtual void getPosition(int& x, int& y, int& width, int& height) = 0;
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline)
        = 0;
    virtual void setSplitterSizes(int* sizes, int count) = 0;
    virtual void setWindowIcon(const char* path) = 0;
    /// A copy made with utStrdup (the caller frees it); null without an answer.
    virtual char* getWindowIcon() = 0;
    virtual void setTitle(const std::u16string& title) = 0;
    virtual void setStatusMessage(const std::u16string& text, int delayMs) = 0;
    virtual std::u16string getTitle() = 0;
    virtual bool isVisible() = 0;
    virtual bool hasFocus() = 0;
    virtual void executeMenuItem(const char* text, VXAction* action, bool* state) = 0;
    /// `state` holds two flags (checkable, checked); null reads as both clear.
    virtual void executeMenuItem(const std::u16string& text, VXAction* action, bool* state) = 0;
    virtual bool selectTreeNode(UDInterface* object) = 0;
    virtual void selectListNodes(std::vector<UDInterface*>* objects) = 0;
    virtual bool selectListNode(const char* column, const char* text) = 0;
    virtual bool selectListNodes(
        UDInterface* owner, const std::vector<unsigned>& indices, UDInterface* current)
        = 0;
    virtual void highlightNodes(const std::map<UDInterface*, VRIX::Color>& colors) = 0;
    virtual void unhighlightNodes(const std::vector<UDInterface*>& objects) = 0;
    virtual bool doubleClickListNodes(std::vector<UDInterface*>* objects) = 0;
    virtual void selectAllListNodes(bool select) = 0;
    virtual void addSubMenu(VXPopupMenu* menu, const char* title) = 0;
    virtual void addSubMenu(VXPopupMenu* menu, const std::u16string& title) = 0;
    virtual void addPopupMenu(VXPopupMenu* menu, int x, int y) = 0;
    virtual void clearMenus() = 0;
    virtual void close(bool force) = 0;
    virtual void setAcceptedActions(UDInterface* object, VRIX::VXFlags<VRIX::DropAction> actions)
        = 0;
    virtual void setCurrentDialog(VXObject* dialog) = 0;
    virtual bool expandTreeNode(UDInterface* object) = 0;
    virtual bool collapseTreeNode(UDInterface* object) = 0;
    virtual void clickHyperlink() = 0;
    virtual void fillVectorWithVisibleTreeNodes(std::vector<UDInterface*>* objects) = 0;
    virtual void fillVectorWithTreeViewText(std::vector<std::u16string>* texts) = 0;
    virtual void fillVectorWithVisibleListNodes(RecordList* list) = 0;
    virtual void fillVectorWithListViewText(std::vector<void*>* texts) = 0;
    virtual void loadListViewContent() = 0;
    virtual int getGroupCount() = 0;
    virtual void fillVectorWithGroupChildren(const char* group, std::vector<void*>* children) = 0;
    virtual void setFilterString(const std::u16string& text) = 0;
    virtual std::u16string getFilterString() = 0;
    virtual std::u16string getContentsOfString() = 0;
    virtual void changeViewOptions(VXMEViewAttributes* options) = 0;
    virtual void changeNavOptions(VXMENavigationAttributes* options) = 0;
    /// Selects as a user would and answers the selection-changed dialog with `action`.
    virtual bool selectListNodesSync(
        std::vector<UDInterface*>* objects, const char* action, const char* view)
        = 0;
    virtual void fillVectorWithSelectedListNodes(RecordList* list) = 0;
    virtual void enableListSorting(
        bool enable, const char* column, bool ascending, bool flag3, bool flag4)
        = 0;
    virtual void addSearchPanel(VXSearchPanel* panel) = 0;
    virtual void progressDialog(const std::u16string& label, const std::u16string& cancelText,
        int maximum, int value, int minimumDurationMs, bool busy)
        = 0;
    virtual void progressDialogClose() = 0;
    virtual bool progressDialogIsCanceled() = 0;
    virtual void setTreeColumnTitle(const char* title) = 0;
    virtual void setTreeColumnTitle(const std::u16string& title) = 0;
    virtual void showContentsOf(bool show) = 0;
    virtual void showTreeView(bool show) = 0;
    virtual void showListView(bool show) = 0;
    virtual void showStatusBar(bool show) = 0;
    virtual void showFilterContents(bool show) = 0;
    virtual void showContentsOfHyperlink(bool show) = 0;
    virtual void enableToolbarMenu(bool enable) = 0;
    virtual void setListViewWidth(int width) = 0;
    virtual int getListViewWidth() = 0;
    virtual void editListViewNode(
        std::vector<UDInterface*>* objects, int column, const std::u16string& value)
        = 0;
    virtual int countMenuBarItems() = 0;
    /// A check-state word copied with utStrdup; empty (not null) for an unknown handle.
    virtual char* getTreeNodeCheckboxState(UDInterface* object) = 0;
    virtual void setNeverAskAgain(bool never) = 0;
    virtual bool isHyperLinkEnabled() = 0;
    virtual bool isListViewTabBarVisible() = 0;
    virtual void executeListViewTabBar(int index) = 0;
    virtual void selectCurrentItem() = 0;
    virtual bool isNodePixmapForReadOnly(UDInterface* object, const char* property) = 0;
    virtual char* getPropertyName(int column, bool flag) = 0;
    virtual int getReplaceListCounter() = 0;
    virtual bool canDragStart(bool isList) = 0;
    virtual bool isListNodePropReadOnly(UDInterface* object, int column) = 0;
    virtual void setListViewVisible(bool visible) = 0;
    virtual void setListMultiSelect(bool multi) = 0;
    virtual void startWait(int delayMs) = 0;
    virtual void stopWait() = 0;
    virtual void setDlgListViewLayoutVert(bool vertical) = 0;
    virtual bool isDlgListViewLayoutVert() = 0;
    virtual void setDlgViewScrollable(bool scrollable) = 0;
    virtual bool isDlgViewScrollable() = 0;
    virtual void autosizeListViewColumn(const char* column) = 0;
    virtual int getListViewStrColWidth(const char* column, const char* text) = 0;
    virtual void setListViewStrColWidth(const char* column, const char* text, int width) = 0;
    virtual int getListViewMaxCharColWidth(const char* column) = 0;
    virtual void setListViewMaxCharColWidth(const char* column, int width) = 0;
    virtual int getListViewAvgCharColWidth(const char* column) = 0;
    virtual void setListViewAvgCharColWidth(const char* column, int width) = 0;
    virtual void showSelectionChangedDialog(
        bool& apply, bool& neverAskAgain, int& handled, bool hideCheckBox)
        = 0;
    virtual void reorderColumns(VXStringList* columns) = 0;
    virtual void addTreeAction(VXAction* action) = 0;
    virtual void removeTreeAction(VXAction* action) = 0;
    virtual void setListViewManager(VXObject* manager) = 0;
    virtual void setScopeOption(VXAction* action) = 0;
    virtual bool isInHierarchy(UDInterface* object) = 0;
    virtual void groupBy(const char* column) = 0;
    virtual void setGroupColumn(const char* column) = 0;
    virtual char* getGroupColumn() = 0;
    virtual void expandGroup(const char* group) = 0;
    virtual void collapseGroup(const char* group) = 0;
    virtual int getListViewCount() = 0;
    virtual void setHideGroupColumn(bool hide) = 0;
    virtual bool getHideGroupColumn() = 0;
    virtual void startListLoad(bool clear, bool* cancel) = 0;
    virtual void stopListLoad() = 0;
    virtual void setFreezeColumn(const std::string& column) = 0;
    virtual void enableFreezePane(bool enable) = 0;
    virtual void setShowGroupCount(bool show) = 0;
    virtual bool getShowGroupCount() = 0;
    virtual void setShowGroupName(bool show) = 0;
    virtual bool getShowGroupName() = 0;
    virtual void addAccordionPane(const std::u16string& name, const std::u16string& title,
        const std::u16string& icon, const std::u16string& text4, const std::u16string& text5)
        = 0;
    virtual void removeAccordionPane(const std::u16string& name) = 0;
    virtual void selectAccordionPane(const std::u16string& name) = 0;
    virtual void showAccordionPane(const std::u16string& name) = 0;
    virtual void hideAccordionPane(const std::u16string& name) = 0;
    virtual void setListViewInfoPanel(VXObject* panel) = 0;
    virtual bool getListLoadTestFlag() = 0;
    virtual int getPossibleListViewItemCount() = 0;
    virtual void getLoadedListViewNodes(std::vector<UDInterface*>* objects) = 0;
    virtual void getLoadedListViewText(std::vector<void*>* texts) = 0;
    virtual void scrollListView(int position) = 0;
    virtual void sleep(const std::u16string& message) = 0;
    virtual void wake() = 0;
    virtual void setItemInfoForIncrementalLoad(
        unsigned index, UDInterface* owner, VXStringList* names, VXStringList* values)
        = 0;
    virtual void clearIndices(UDInterface* owner, const std::vector<unsigned>& indices) = 0;
    virtual void setAutoExpand(bool expand) = 0;
    virtual void setDropCancel() = 0;
};
