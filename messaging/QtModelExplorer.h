#pragma once

#include "engine/VXModelExplorer.h"
#include "messaging/QtPeer.h"
#include "messaging/VXMessageType.h"

/// The explorer's peer: every operation becomes one message to its GuiModelExplorer, posted
/// for commands and sent for queries. What the host hands over travels owned by its message,
/// so a window that is gone frees it with the message. Engine thread.
class QtModelExplorer : public QtPeer<VXModelExplorer> {
public:
    QtModelExplorer();

    using QtPeer<VXModelExplorer>::show;

    void setRoot(VXMEObjectMessageData* root) override;
    void show(bool visible, bool wait) override;
    void minimize() override;
    void replaceSubtreeAndRequest(VXMEObjectMessageData* subtree) override;
    void replaceSubtree(VXMEObjectMessageData* subtree) override;
    void removeSubtrees(std::vector<UDInterface*>* objects) override;
    void replacePropertyNames(VXStringList* names, VXStringList* displayNames) override;
    void addList(RecordList* list) override;
    void replaceList(RecordList* list, const std::u16string& text) override;
    void removeList(std::vector<UDInterface*>* objects) override;
    void clearList() override;
    void replaceHyperlink(UDInterface* object, const std::u16string& text,
        const std::u16string& text2, const std::u16string& text3) override;
    void changeEditType(VXMEEditTypeData* editType) override;
    void editListNodes(RecordList* list) override;
    void updateNodes(RecordList* list, bool flag) override;
    void updatePendingData(RecordList* list) override;
    void replaceObjSelectionList(VXStringList* types) override;
    void selectAndCreateNewObject(bool editable) override;
    void setPosition(int x, int y, int width, int height) override;
    void getPosition(int& x, int& y, int& width, int& height) override;
    void setFont(const char* family, int pointSize, int bold, int italic, int underline) override;
    void setSplitterSizes(int* sizes, int count) override;
    void setWindowIcon(const char* path) override;
    char* getWindowIcon() override;
    void setTitle(const std::u16string& title) override;
    void setStatusMessage(const std::u16string& text, int delayMs) override;
    std::u16string getTitle() override;
    bool isVisible() override;
    bool hasFocus() override;
    void executeMenuItem(const char* text, VXAction* action, bool* state) override;
    void executeMenuItem(const std::u16string& text, VXAction* action, bool* state) override;
    bool selectTreeNode(UDInterface* object) override;
    void selectListNodes(std::vector<UDInterface*>* objects) override;
    bool selectListNode(const char* column, const char* text) override;
    bool selectListNodes(
        UDInterface* owner, const std::vector<unsigned>& indices, UDInterface* current) override;
    void highlightNodes(const std::map<UDInterface*, VRIX::Color>& colors) override;
    void unhighlightNodes(const std::vector<UDInterface*>& objects) override;
    bool doubleClickListNodes(std::vector<UDInterface*>* objects) override;
    void selectAllListNodes(bool select) override;
    void addSubMenu(VXPopupMenu* menu, const char* title) override;
    void addSubMenu(VXPopupMenu* menu, const std::u16string& title) override;
    void addPopupMenu(VXPopupMenu* menu, int x, int y) override;
    void clearMenus() override;
    void close(bool force) override;
    void setAcceptedActions(UDInterface* object, VRIX::VXFlags<VRIX::DropAction> actions) override;
    void setCurrentDialog(VXObject* dialog) override;
    bool expandTreeNode(UDInterface* object) override;
    bool collapseTreeNode(UDInterface* object) override;
    void clickHyperlink() override;
    void fillVectorWithVisibleTreeNodes(std::vector<UDInterface*>* objects) override;
    void fillVectorWithTreeViewText(std::vector<std::u16string>* texts) override;
    void fillVectorWithVisibleListNodes(RecordList* list) override;
    void fillVectorWithListViewText(std::vector<void*>* texts) override;
    void loadListViewContent() override;
    int getGroupCount() override;
    void fillVectorWithGroupChildren(const char* group, std::vector<void*>* children) override;
    void setFilterString(const std::u16string& text) override;
    std::u16string getFilterString() override;
    std::u16string getContentsOfString() override;
    void changeViewOptions(VXMEViewAttributes* options) override;
    void changeNavOptions(VXMENavigationAttributes* options) override;
    bool selectListNodesSync(
        std::vector<UDInterface*>* objects, const char* action, const char* view) override;
    void fillVectorWithSelectedListNodes(RecordList* list) override;
    void enableListSorting(
        bool enable, const char* column, bool ascending, bool flag3, bool flag4) override;
    void addSearchPanel(VXSearchPanel* panel) override;
    void progressDialog(const std::u16string& label, const std::u16string& cancelText, int maximum,
        int value, int minimumDurationMs, bool busy) override;
    void progressDialogClose() override;
    bool progressDialogIsCanceled() override;
    void setTreeColumnTitle(const char* title) override;
    void setTreeColumnTitle(const std::u16string& title) override;
    void showContentsOf(bool show) override;
    void showTreeView(bool show) override;
    void showListView(bool show) override;
    void showStatusBar(bool show) override;
    void showFilterContents(bool show) override;
    void showContentsOfHyperlink(bool show) override;
    void enableToolbarMenu(bool enable) override;
    void setListViewWidth(int width) override;
    int getListViewWidth() override;
    void editListViewNode(
        std::vector<UDInterface*>* objects, int column, const std::u16string& value) override;
    int countMenuBarItems() override;
    char* getTreeNodeCheckboxState(UDInterface* object) override;
    void setNeverAskAgain(bool never) override;
    bool isHyperLinkEnabled() override;
    bool isListViewTabBarVisible() override;
    void executeListViewTabBar(int index) override;
    void selectCurrentItem() override;
    bool isNodePixmapForReadOnly(UDInterface* object, const char* property) override;
    char* getPropertyName(int column, bool flag) override;
    int getReplaceListCounter() override;
    bool canDragStart(bool isList) override;
    bool isListNodePropReadOnly(UDInterface* object, int column) override;
    void setListViewVisible(bool visible) override;
    void setListMultiSelect(bool multi) override;
    void startWait(int delayMs) override;
    void stopWait() override;
    void setDlgListViewLayoutVert(bool vertical) override;
    bool isDlgListViewLayoutVert() override;
    void setDlgViewScrollable(bool scrollable) override;
    bool isDlgViewScrollable() override;
    void autosizeListViewColumn(const char* column) override;
    int getListViewStrColWidth(const char* column, const char* text) override;
    void setListViewStrColWidth(const char* column, const char* text, int width) override;
    int getListViewMaxCharColWidth(const char* column) override;
    void setListViewMaxCharColWidth(const char* column, int width) override;
    int getListViewAvgCharColWidth(const char* column) override;
    void setListViewAvgCharColWidth(const char* column, int width) override;
    void showSelectionChangedDialog(
        bool& apply, bool& neverAskAgain, int& handled, bool hideCheckBox) override;
    void reorderColumns(VXStringList* columns) override;
    void addTreeAction(VXAction* action) override;
    void removeTreeAction(VXAction* action) override;
    void setListViewManager(VXObject* manager) override;
    void setScopeOption(VXAction* action) override;
    bool isInHierarchy(UDInterface* object) override;
    void groupBy(const char* column) override;
    void setGroupColumn(const char* column) override;
    char* getGroupColumn() override;
    void expandGroup(const char* group) override;
    void collapseGroup(const char* group) override;
    int getListViewCount() override;
    void setHideGroupColumn(bool hide) override;
    bool getHideGroupColumn() override;
    void startListLoad(bool clear, bool* cancel) override;
    void stopListLoad() override;
    void setFreezeColumn(const std::string& column) override;
    void enableFreezePane(bool enable) override;
    void setShowGroupCount(bool show) override;
    bool getShowGroupCount() override;
    void setShowGroupName(bool show) override;
    bool getShowGroupName() override;
    void addAccordionPane(const std::u16string& name, const std::u16string& title,
        const std::u16string& icon, const std::u16string& text4,
        const std::u16string& text5) override;
    void removeAccordionPane(const std::u16string& name) override;
    void selectAccordionPane(const std::u16string& name) override;
    void showAccordionPane(const std::u16string& name) override;
    void hideAccordionPane(const std::u16string& name) override;
    void setListViewInfoPanel(VXObject* panel) override;
    bool getListLoadTestFlag() override;
    int getPossibleListViewItemCount() override;
    void getLoadedListViewNodes(std::vector<UDInterface*>* objects) override;
    void getLoadedListViewText(std::vector<void*>* texts) override;
    void scrollListView(int position) override;
    void sleep(const std::u16string& message) override;
    void wake() override;
    void setItemInfoForIncrementalLoad(
        unsigned index, UDInterface* owner, VXStringList* names, VXStringList* values) override;
    void clearIndices(UDInterface* owner, const std::vector<unsigned>& indices) override;
    void setAutoExpand(bool expand) override;
    void setDropCancel() override;

    /// The bool answer of a bare query.
    bool getBoolValue(VXMessageType type);
};
