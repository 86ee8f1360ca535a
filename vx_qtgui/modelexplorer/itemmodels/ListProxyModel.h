#pragma once

#include "vx_qtgui/modelexplorer/itemmodels/NaturalSortKey.h"

#include <QSortFilterProxyModel>
#include <QStringMatcher>

#include <vector>

class ListItem;
class ListModel;

/// Filters, sorts and titles the rows of a `ListModel` for the list view. Sorting compares the
/// rows' sort keys (supplied by the host for the sorted property) in natural order; each key is
/// read once and kept until its text changes. GUI thread.
class ListProxyModel : public QSortFilterProxyModel {
    Q_OBJECT

public:
    explicit ListProxyModel(QObject* parent = nullptr);
    ~ListProxyModel() override;

    /// Only a `ListModel` is filtered and sorted; any other model passes through unchanged.
    void setSourceModel(QAbstractItemModel* model) override;
    ListModel* listModel() const { return m_model; }

    /// Rows must contain `text` in the named column (all columns when `column` is empty).
    void filter(const QString& text, const QString& column, Qt::CaseSensitivity cs);
    QString filterText() const { return m_filterText; }
    bool isFilterEnabled() const { return m_filterEnabled; }
    /// Turning filtering on or off re-filters the whole list.
    void setFilterEnabled(bool enabled);
    void invalidateFilter(bool notify);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    /// Appends the proxy index of every row below `start` (descending into groups) whose display
    /// text in some column equals `value`.
    void matchItems(const QModelIndex& start, const QString& value, QModelIndexList& out,
        Qt::MatchFlags flags = Qt::MatchExactly) const;

    /// Source indexes. Negative when `left` goes first in the current sort order.
    int compare(const QModelIndex& left, const QModelIndex& right) const;
    static int compareNumbers(const QString& a, const QString& b);
    int compareStrings(const QString& a, const QString& b, bool plain) const;
    int comparePixmaps(const QModelIndex& left, const QModelIndex& right) const;

signals:
    void modelFilterInvalidated();

public slots:
    void slotFilterChanged(const QString& filterString);
    void slotInvalidateFilter(bool notify);

protected:
    bool filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const override;
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    bool acceptsInColumn(ListItem* item, int column) const;
    bool acceptsInAnyColumn(ListItem* item) const;
    bool anyChildAccepted(ListItem* group, int column) const;
    bool contains(const ListItem* item, int column) const;
    std::uint32_t keySlot(const ListItem* item) const;
    /// Reads every row's key and ranks them all for `order`.
    void rankAll(Qt::SortOrder order);
    void clearRanks();

    ListModel* m_model = nullptr;
    QString m_filterText;
    QStringMatcher m_matcher;
    bool m_filterEnabled = false;
    mutable std::vector<NaturalSortKey> m_keys;
    // Per prepared key (indexed like m_keys): the text data it was read from, which the key keeps
    // alive, so an equal pointer means the row's key is unchanged; and its position in the last
    // sort (NoRank for keys prepared later, which are compared directly).
    struct Slot {
        const void* text;
        std::uint32_t rank;
    };
    static constexpr std::uint32_t NoRank = 0xffffffffu;
    mutable std::vector<Slot> m_slots;
    // Ranks by source row of the last ungrouped sort, so most comparisons read neither the row nor
    // its key. An entry serves only while it names the row's item; any change of the source's
    // rows or data drops them all (before the base reacts to it).
    struct RowRank {
        const void* item;
        std::uint32_t rank;
    };
    std::vector<RowRank> m_rowRanks;
    void dropRowRanks() { m_rowRanks.clear(); }
    QMetaObject::Connection m_sourceConnections[4];
    Qt::SortOrder m_rankOrder = Qt::AscendingOrder;
};
