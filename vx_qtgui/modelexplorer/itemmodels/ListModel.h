#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"
#include "vx_qtgui/modelexplorer/itemmodels/GroupIndex.h"
#include "vx_qtgui/modelexplorer/itemmodels/ItemIndex.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListHeaders.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/PendingList.h"

#include <QAbstractItemModel>
#include <QFont>
#include <QStringList>

#include <deque>
#include <set>
#include <vector>

class VXMEObjectMessageData;
class VXPropertyAttribute;

/// The item model under the explorer's list, the spreadsheet and the completer: rows of
/// `ListItem`s below an invisible root, optionally under group rows, with column headers, an
/// index from host objects to rows and the list of rows still to be fetched. The tree model
/// derives from it. GUI thread.
class ListModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Role {
        FlagBitsRole = 257,
        CursorRole = 258,
        SortKeyRole = 259,
        GroupRowRole = 260,
    };

    explicit ListModel(bool spreadsheetMode = false, QObject* parent = nullptr);
    ~ListModel() override;

    QModelIndex index(
        int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    bool hasChildren(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(
        int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    /// Role 2 replaces the cell text (no notification: the view refreshes the row itself).
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    bool removeRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;
    /// Inserts empty rows without object.
    bool insertRows(int row, int count, const QModelIndex& parent = QModelIndex()) override;

    // Headers.
    void setHeaderInfo(
        int section, const QString& name, int width, bool customWidth, const QString& iconPath);
    /// Drops every column and, with them, every row: a list retitled from scratch.
    void removeHeaders();
    /// The first header whose property name or display title is `name`; -1 when none.
    int getHeaderSection(const QString& name, Qt::CaseSensitivity cs = Qt::CaseSensitive) const;
    QString getHeaderTitle(int section) const;
    int getHeaderWidth(int section) const;
    bool isCustomHeaderWidth(int section) const;
    /// Null when no header has that property name or title.
    const ListHeader* getHeaderInfo(const QString& name) const;
    void updateHeaderWidth(int section, int width, bool custom);
    void moveHeader(int from, int to);
    /// Gives a column another property name (and the title that goes with it).
    void renameHeader(int section, const QString& name);
    /// The icon column's header (" ") followed by the named ones in the given order.
    void reorderHeader(const QStringList& names);
    void updateHeaderAttribute(int section, const ListItem::ItemAttribute& attribute);
    const std::vector<ListHeader>& headers() const { return m_headers.all(); }
    /// "A.B.C" shows as "C"; a name ending with "." shows whole.
    static QString getHeaderDisplayTitle(const QString& name);

    // Rows. Records stay the caller's.
    QModelIndex addItem(VXMEObjectMessageData* record, const QModelIndex& parent = QModelIndex());
    /// Adds or reuses the row of the record's object under `parent`, after the row `after`.
    virtual QModelIndex addItem(
        VXMEObjectMessageData* record, ListItem* parent, const QModelIndex& after);
    /// Refills `item` from the record.
    virtual void updateItem(ListItem* item, VXMEObjectMessageData* record, bool replaceObject);
    /// An index row (placeholder `uid` of `owner`'s list), in its group when grouped.
    QModelIndex addItem(unsigned uid, UDInterface* owner, const QString& sortKey,
        const QString& groupValue, int section);
    /// The same with the host's key, kept packed until read.
    QModelIndex addItem(unsigned uid, UDInterface* owner, const std::u16string& sortKey,
        const QString& groupValue, int section);
    /// Makes room for `count` more index rows of `owner` before they are added one by one.
    void reserveIndexRows(UDInterface* owner, int count) { m_index.reserveIndexRows(owner, count); }
    /// Makes room for `count` more top-level rows (and, with `objects`, object index entries)
    /// before a long list arrives: both grow once, not by doubling.
    void reserveRows(int count, bool objects);
    /// A complete row of plain strings.
    QModelIndex addItem(const QStringList& values, const QString& iconPath,
        const QModelIndex& parent = QModelIndex());
    /// Marks the object's row stale so its data is fetched again.
    void refresh(UDInterface* object, int column, const QModelIndex& index);
    /// Prepares a refill of `parent` by `records`: keeps up to one row per record for reuse
    /// (with `recycle`) and removes the others.
    void refresh(const VXMEObjectDataList* records, const QModelIndex& parent, bool recycle);
    /// Removes rows still kept for reuse that no record took.
    void purgeRecycleList();
    void removeItem(const QModelIndex& index);
    void clear();
    /// Forgets the index row `uid` of `owner` (the row stays).
    void clearIndex(UDInterface* owner, unsigned uid);

    QModelIndex indexFromItem(const ListItem* item, int column = 0) const;
    QModelIndex indexFromItem(UDInterface* object) const;
    QModelIndex indexFromUID(UDInterface* owner, unsigned uid) const;
    ListItem* itemForUID(UDInterface* owner, unsigned uid) const;
    ListItem* itemForObject(UDInterface* object) const { return m_index.object(object); }
    /// The root for an invalid index (null before the first insertion).
    ListItem* itemForIndex(const QModelIndex& index) const;
    ListItem* root() const { return m_root; }
    bool isGroupItem(const ListItem* item) const;
    /// Whether any group row can exist (grouped, or group rows left from grouping).
    bool mayHaveGroupRows() const { return isGrouped() || !m_groups.isEmpty(); }
    bool needsToBeFetched(const ListItem* item) const;

    // Grouping.
    /// Ignored unless empty or the property name of a header.
    void setGroup(const QString& name);
    void removeGroup();
    QString groupProperty() const { return m_groupProperty; }
    bool isGrouped() const { return !m_groupProperty.isEmpty(); }
    /// The header section of the grouped property; -1 when not grouped by a column.
    int groupColumn() const;
    QString getGroupName(const ListItem* item, bool useHeaderTitle) const;
    void setCollapsed(const QString& key, bool collapsed);
    bool getCollapsed(const QString& key) const;

    // Lazy data.
    /// The rows below `parent` (the root when invalid), group rows descended into.
    void getItems(QList<ListItem*>& out, const QModelIndex& parent = QModelIndex()) const;
    void getPendingItems(QList<ListItem*>& out);
    bool hasPendingItems() const { return !m_pending.isEmpty(); }
    void clearPendingItems();

    // Options.
    bool isSpreadsheetMode() const { return m_spreadsheetMode; }
    bool showGroupPropertyName() const { return m_showGroupPropertyName; }
    void setShowGroupPropertyName(bool on) { m_showGroupPropertyName = on; }
    bool iconColumn() const { return m_iconColumn; }
    void setIconColumn(bool on) { m_iconColumn = on; }
    bool showGroupCount() const { return m_showGroupCount; }
    void setShowGroupCount(bool on) { m_showGroupCount = on; }
    bool hideGroupColumn() const { return m_hideGroupColumn; }
    void setHideGroupColumn(bool on) { m_hideGroupColumn = on; }
    bool isFilterDirty() const { return m_filterDirty; }
    void setFilterDirty(bool dirty) const { m_filterDirty = dirty; }
    QFont font() const { return m_font; }
    void setFont(const QFont& font) { m_font = font; }

    /// Model reset that knows it is running: row changes inside send no row signals.
    void beginReset();
    void endReset();
    bool isResetting() const { return m_resetDepth > 0; }

    // Expansion hooks of the tree; a list remembers none.
    virtual bool addToExpanded(const QModelIndex& index);
    virtual bool addToCollapsed(const QModelIndex& index);
    virtual bool isItemExpanded(const QModelIndex& index) const;

    /// The cell attribute the host described.
    static ListItem::ItemAttribute toItemAttribute(const VXPropertyAttribute& attribute);
    /// The cell flags of a host attribute (its style texts aside).
    static std::uint16_t toCellFlags(const VXPropertyAttribute& attribute);

signals:
    void groupChanged(const QString& oldName, const QString& newName);
    void pendingListChanged();
    void headerWidthChanged(const QString& title, int width);

protected:
    ListItem* ensureRoot();
    /// Creates a row through `make` (which attaches it at `row` of `parent`) inside the insert
    /// notification.
    template <class Make> ListItem* insertItem(ListItem* parent, int row, Make make);
    /// Moves `item` to `row` of `parent` (appended when out of range) with move notification.
    void moveItem(ListItem* item, ListItem* parent, int row);
    void removeItemRows(ListItem* parent, int first, int last);
    void registerObject(ListItem* item) { m_index.setObject(item->object, item); }
    ListItem* createGroupItem(
        const QString& text, ListItem* parent, const ListItem::ItemAttribute& a);
    /// Refills a kept row from the record and places it under `parent` after `after`.
    void recycle(ListItem* item, VXMEObjectMessageData* record, ListItem* parent, ListItem* after);
    QString internIconPath(const std::u16string& path);

private:
    template <class Key>
    QModelIndex addIndexRow(
        unsigned uid, UDInterface* owner, const Key& sortKey, const QString& groupValue);
    ListItem* groupFor(const QString& value, const ListItem::ItemAttribute& attribute);
    ListItem::ItemAttribute groupAttribute(const VXMEObjectMessageData* record) const;
    void forgetTree(ListItem* item);
    void collectItems(const ListItem* parent, QList<ListItem*>& out) const;
    QVariant sizeHint(const ListItem* item, int column) const;
    void notePending(ListItem* item) const;

    ListHeaders m_headers;
    QString m_groupProperty;
    mutable PendingList m_pending;
    QFont m_font;
    bool m_showGroupPropertyName = true;
    bool m_iconColumn = true;
    bool m_showGroupCount = true;
    bool m_hideGroupColumn = false;
    mutable bool m_filterDirty = false;
    std::deque<ListItem*> m_recycle;
    ListItem* m_root = nullptr;
    ItemIndex m_index;
    GroupIndex m_groups;
    std::set<QString> m_collapsed;
    QHash<QString, QString> m_iconPaths;
    // updateItem's cells of one row, kept between rows: a row costs no allocation of its own.
    std::vector<CellStore::Source> m_rowCells;
    std::vector<CellStyle> m_rowStyles;
    int m_resetDepth = 0;
    const bool m_spreadsheetMode;
};

template <class Make> ListItem* ListModel::insertItem(ListItem* parent, int row, Make make)
{
    const bool notify = !isResetting();
    if (notify)
        beginInsertRows(indexFromItem(parent), row, row);
    ListItem* item = make();
    if (notify)
        endInsertRows();
    return item;
}
