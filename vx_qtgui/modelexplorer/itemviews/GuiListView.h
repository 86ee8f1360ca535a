#pragma once

#include "engine/VXEventType.h"
#include "engine/modelexplorer/VXMEObjectData.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiBaseView.h"

#include <QList>
#include <QPersistentModelIndex>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <utility>
#include <vector>

class ColumnWidener;
class GuiFilterInterface;
class ListModel;
class ListProxyModel;
class ListViewDelegate;
class QAbstractProxyModel;
class VXMEEditTypeData;
class VXMEObjectEventData;
class VXStringList;
class VXWidget;

/// The explorer's property list and the spreadsheet's grid: a flat tree view over a
/// `ListProxyModel` whose top-level rows are objects or group rows. It owns column widths,
/// sort and group requests, selection, in-place editing, check boxes, hyperlink cells, drag and
/// drop, the fetching of row data from the host and a frozen left column, and tells the host
/// about the user's actions through events for its owner proxy. GUI thread.
class GuiListView : public GuiBaseView {
    Q_OBJECT

public:
    /// Status codes passed to statusMessageChanged besides a selection count.
    enum StatusCode {
        StatusDoubleClicked = -1,
        StatusEditRequested = 19,
    };
    static constexpr int PendingDelayMs = 200;
    static constexpr int SpreadsheetReadOnlyGrey = 249;
    /// Entry text of an edit for which the host sent no value: shown, never committed.
    static const char NoValueEditText[];

    /// A view of `proxy` (whose source is `model`) sending its events for `owner` (none without
    /// one). It makes its own cell delegate and takes the standard list settings. Sorting and
    /// the filter edit need a `ListProxyModel`; any other proxy only maps rows.
    GuiListView(
        ListModel* model, QAbstractProxyModel* proxy, VXWidget* owner, QWidget* parent = nullptr);
    ~GuiListView() override;

    ListModel* listModel() const { return m_model; }
    /// The proxy the rows are shown through.
    QAbstractProxyModel* proxyModel() const { return m_proxy; }
    /// That proxy when it sorts and filters the list; null otherwise.
    ListProxyModel* listProxy() const { return m_listProxy; }
    ListViewDelegate* listDelegate() const { return m_delegate; }
    VXWidget* owner() const { return m_owner; }
    /// The view that owns the events and state: the main view for a freeze view.
    GuiListView* rootView() { return m_parentView ? m_parentView : this; }
    GuiListView* freezeView() const { return m_freezeView; }
    void setParentView(GuiListView* parent) { m_parentView = parent; }

    // Content.
    void addList(const VXMEObjectDataList* records, bool reset);
    void replaceList(
        const VXMEObjectDataList* records, const QString& message, bool recycle = true);
    /// replaceList for a list handed over with its records: each record is freed as soon as
    /// its row is made, while it is still in cache, and the list is left empty.
    void replaceListTaking(
        VXMEObjectDataList& records, const QString& message, bool recycle = true);
    void updateNodes(const VXMEObjectDataList* records, bool flag);
    void updatePendingData(const VXMEObjectDataList* records);
    void editListNodes(const VXMEObjectDataList* records);
    /// Widens columns to the records' values (unless `measure` is off) and applies the widths.
    void updateColumnWidths(const VXMEObjectDataList* records, bool measure = true);
    /// Spreadsheet mode: shares `width` among the columns after the icon column.
    void shareOutColumnWidths(int width);
    void replacePropertyNames(const QStringList& oldNames, const QStringList& newNames);
    void reorderColumns(const QStringList& names);
    void enableListSorting(bool enable, const QString& column, bool ascending, bool flag);
    void setGroupColumn(const QString& name);
    QString getGroupColumn() const;
    void setHideGroupColumn(bool hide);
    void expandGroup(const QString& name);
    void collapseGroup(const QString& name);
    void expandAllGroups();
    void collapseAllGroups();
    QString listMessage() const { return m_listMessage; }
    /// The name part of the groups' collapse keys.
    void setCollapseKeyName(const QString& name) { m_collapseKeyName = name; }
    QString collapseKey(const ListItem* group) const;

    // Selection.
    void selectListViewItem(const VXMEObjectDataList* objects, bool clearFirst, bool notify);
    void selectListViewIndices(
        UDInterface* owner, const std::vector<unsigned>& indices, UDInterface* object);
    void selectListViewItem(const QString& name, const QString& column, bool notify);
    void selectListAll(bool select);
    void clearListSelection();
    void selectCurrentItem();
    void clearFakeSelection();
    void doubleClickListViewItem(const VXMEObjectDataList* objects);
    void setListMultiSelect(bool multi);

    // Queries for the host. Texts are copies the host takes over.
    void fillVectorWithVisibleListNodes(std::vector<UDInterface*>& out) const;
    void fillVectorWithSelectedListNodes(std::vector<UDInterface*>& out) const;
    void fillVectorWithListViewText(std::vector<void*>& out) const;
    void fillVectorWithGroupChildren(const QString& group, std::vector<void*>& out) const;
    void getLoadedListViewNodes(std::vector<UDInterface*>& out) const;
    void getLoadedListViewText(std::vector<void*>& out) const;
    int getListViewCount() const;
    int getGroupCount() const;
    int getPossibleItemCount() const;
    QString getFilterString() const;

    // Columns.
    void setStrColWidth(int column, const QString& text, int extra);
    int getStrColWidth(int column) const;
    void setMaxCharColWidth(int column, int chars);
    int getMaxCharColWidth(int column) const;
    void setAvgCharColWidth(int column, int chars);
    int getAvgCharColWidth(int column) const;
    void adjustColWidths(double factor);
    void autosizeColumn(int column);
    void applyColumnWidths();
    int getStandardColumnWidth(const QString& text) const;
    void setFreezeColumn(int count);
    int freezeColumn() const { return m_freezeColumn; }
    void enableFreezePane(bool enable);
    void initFreezePane();

    // Other.
    void setFilter(GuiFilterInterface* filter) { m_filter = filter; }
    GuiFilterInterface* filter() const { return rootConst()->m_filter; }
    void setFilterString(const QString& text);
    void setSearchMode(bool on) { m_searchMode = on; }
    bool searchMode() const { return m_searchMode; }
    void setAllowWholeRowDblClick(bool on) { m_wholeRowDblClick = on; }
    void markUnrelatedProperties(bool on);
    bool isMarkUnrelated() const { return rootConst()->m_markUnrelated; }
    /// Takes the record.
    void changeEditTypeData(VXMEEditTypeData* data);
    void clickHyperlink(UDInterface* object, const QString& property);
    void scrollByRows(int rows);
    void scrollToLoadAll();
    bool isListLoading() const { return m_listLoad; }

    // Used by the cell delegate.
    ListItem* itemForIndex(const QModelIndex& proxyIndex) const;
    /// The property name of a column ("" outside the headers).
    QString propertyName(int column) const;
    /// Selected rows (not group rows), in selection order.
    QList<ListItem*> selectedItems() const;
    /// A check box was toggled in `column`: remembered for the next sort request when sorted.
    void noteCheckBoxToggled(int column);
    bool sortTouched() const { return rootConst()->m_sortTouched; }
    /// Starts editing the cell, in the freeze view when the cell lies in a frozen column.
    void startEdit(const QModelIndex& proxyIndex);
    /// Asks the host to edit the cell (only a valid, enabled, writable one).
    bool requestEdit(const QModelIndex& proxyIndex, const QPoint& position);
    /// Whether the host's switch frames fake-selected rows instead of painting them selected.
    static bool frameFakeSelection();

    // Guards.
    bool sortRequestsConnected() const { return m_sortConnected; }
    void setSortRequestsConnected(bool on);
    bool headerResizeConnected() const { return m_resizeConnected; }
    void setHeaderResizeConnected(bool on);

signals:
    void modelChanged();
    void viewSelectionChanged(bool hasSelection);
    void sortChanged(QString property, bool ascending);
    void getPendingData();
    void groupChanged(QString property);
    void listSelectionChanged();
    void itemEditRequest(QString property, int x, int y);
    void propertyHypelinkClicked(ListItem* item, QString property);
    void itemDoubleClicked(QList<ListItem*>& items, UDInterface* object);
    void rightButtonClicked(
        QPoint globalPosition, bool inWhitespace, bool header, QModelIndex index);
    /// The receiver takes the list.
    void columnsReordered(VXStringList* names);
    void itemsChanged(QList<ListItem*>& items, QString property, QString value);
    void statusMessageChanged(int code);
    void invalidateFilter(bool notify);
    void suggestionSelected(QModelIndex index, bool accept = true);

public slots:
    void slotSelectionChanged();
    void slotListSelectionChanged();
    void slotListSortingChanged(int section, Qt::SortOrder order);
    void slotGroupChanged(const QString& oldName, const QString& newName);
    void slotPendingListChanged();
    void slotGetPendingData();
    void slotItemEditRequest(const QString& property, int x, int y);
    void slotItemsChanged(QList<ListItem*>& items, const QString& property, const QString& value);
    void slotPropHyperlinkClicked(ListItem* item, const QString& property);
    void slotHeaderSizeChanged(int section, int oldSize, int newSize);
    void slotFreezeHeaderSizeChanged(int section, int oldSize, int newSize);

protected:
    void selectionSettled() override;
    void aboutToStartDrag() override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void drawRow(QPainter* painter, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    void scrollContentsBy(int dx, int dy) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class AutoSelectListItem;
    struct FreezeTag { };
    GuiListView(GuiListView* parent, FreezeTag);
    void setUpView();
    void createConnections();
    const GuiListView* rootConst() const { return m_parentView ? m_parentView : this; }
    int firstDataColumn() const;
    bool isCheckBoxPress(const QPoint& position, QModelIndex* index) const;
    bool isOverLinkText(const QModelIndex& index, const QPoint& position) const;
    QModelIndex proxyIndexOf(const VXMEObjectData* record) const;
    void sendRecords(VXEventType type, const QList<ListItem*>& items, const QString& property,
        const QString* value);
    VXMEObjectDataList* recordsFor(const QList<ListItem*>& items) const;
    void appendRecords(VXMEObjectDataList* list, const ListItem* item) const;
    void fillGroupEventInfo(VXMEObjectDataList* list, const ListItem* group) const;
    void sendClearIndicesRequest();
    void sectionMoved(int logical, int oldVisual, int newVisual);
    void headerContextMenu(const QPoint& position);
    void restoreGroupStates();
    void applyHiddenColumns();
    void updateFreezePaneGeometry();
    int frozenWidth() const;
    void mirrorSectionSize(GuiListView* target, int section, int size);
    bool isColumnShown(int column) const;
    QList<ListItem*> rowsInViewOrder(const QModelIndex& parent) const;
    void appendTexts(std::vector<void*>& out, const QList<ListItem*>& rows, bool utf16) const;
    void setGroupExpanded(const QString& name, bool expanded);
    void announceSelection(bool hadChange);
    // The body of replaceList; with `taken`, the records are freed as their rows are made.
    void fillList(const VXMEObjectDataList* records, VXMEObjectDataList* taken,
        const QString& message, bool recycle);
    // Adds the records (freeing those of `taken`, measured first by `widener` when given),
    // setting the icon column from the first row; whether any record carried values.
    bool addRecords(const VXMEObjectDataList* records, VXMEObjectDataList* taken,
        ColumnWidener* widener = nullptr);
    QModelIndex addRecord(VXMEObjectData* record);
    /// Widens non-custom columns to the values of `records`; whether any grew.
    bool widenColumnsFor(const VXMEObjectDataList& records);

    ListModel* m_model;
    QAbstractProxyModel* m_proxy;
    ListProxyModel* m_listProxy;
    VXWidget* m_owner;
    ListViewDelegate* m_delegate;
    GuiFilterInterface* m_filter = nullptr;
    GuiListView* m_freezeView = nullptr;
    GuiListView* m_parentView = nullptr;
    int m_freezeColumn = 1;
    bool m_freezeEnabled = true;
    QString m_listMessage;
    QString m_collapseKeyName;
    QTimer m_pendingTimer;
    QMetaObject::Connection m_pendingConnection;
    QPersistentModelIndex m_pressIndex;
    QPersistentModelIndex m_checkPressIndex;
    QPersistentModelIndex m_editClickIndex;
    QPoint m_editClickPosition;
    QTimer m_editClickTimer;
    QPoint m_contextPosition;
    Qt::KeyboardModifiers m_headerModifiers;
    int m_fillDepth = 0;
    int m_quietSelection = 0;
    bool m_pastLinkText = false;
    bool m_markUnrelated = false;
    bool m_sortTouched = false;
    bool m_searchMode = false;
    bool m_wholeRowDblClick = false;
    bool m_internalRegroup = false;
    bool m_listLoad = false;
    using IndexRowKey = std::pair<UDInterface*, unsigned>;
    /// Index rows filled by the host since the last clear-indices request.
    std::vector<IndexRowKey> m_loadedIndexRows;
    bool m_sortConnected = true;
    bool m_resizeConnected = true;
    bool m_undoingMove = false;
};
