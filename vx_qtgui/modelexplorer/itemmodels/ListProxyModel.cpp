#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"

#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/GuiPixmapDB.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

ListProxyModel::ListProxyModel(QObject* parent)
    : QSortFilterProxyModel(parent)
{
}

ListProxyModel::~ListProxyModel() = default;

void ListProxyModel::setSourceModel(QAbstractItemModel* model)
{
    for (QMetaObject::Connection& c : m_sourceConnections)
        disconnect(c);
    m_model = qobject_cast<ListModel*>(model);
    m_keys.clear();
    m_slots.clear();
    m_rowRanks.clear();
    if (m_model) {
        // Connected before the base's own handlers, which sort again with these ranks.
        m_sourceConnections[0]
            = connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { dropRowRanks(); });
        m_sourceConnections[1] = connect(
            m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, [this] { dropRowRanks(); });
        m_sourceConnections[2] = connect(
            m_model, &QAbstractItemModel::modelAboutToBeReset, this, [this] { dropRowRanks(); });
        // A new list is ranked once before the base sorts it, not key by key in its comparisons.
        m_sourceConnections[3] = connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
            if (sortColumn() >= 0)
                rankAll(sortOrder());
        });
    }
    QSortFilterProxyModel::setSourceModel(model);
}

void ListProxyModel::filter(const QString& text, const QString& column, Qt::CaseSensitivity cs)
{
    m_filterText = text;
    m_matcher = QStringMatcher(text, cs);
    const int key = column.isEmpty() || !m_model
        ? -1
        : m_model->getHeaderSection(column, Qt::CaseInsensitive);
    bool refiltered = false;
    if (key != filterKeyColumn() || cs != filterCaseSensitivity()) {
        // The base re-filters row by row here, already with the new text.
        setFilterKeyColumn(key);
        setFilterCaseSensitivity(cs);
        refiltered = true;
    }
    if (!m_filterEnabled)
        return;
    if (!refiltered)
        QSortFilterProxyModel::invalidate();
    if (m_model)
        m_model->setFilterDirty(true);
    emit modelFilterInvalidated();
}

void ListProxyModel::setFilterEnabled(bool enabled)
{
    if (enabled == m_filterEnabled)
        return;
    m_filterEnabled = enabled;
    // Mapping the whole list again is linear; showing rows range by range is not.
    QSortFilterProxyModel::invalidate();
}

void ListProxyModel::invalidateFilter(bool notify)
{
    if (m_filterEnabled) {
        QSortFilterProxyModel::invalidate();
        if (m_model)
            m_model->setFilterDirty(true);
    }
    if (notify)
        emit modelFilterInvalidated();
}

void ListProxyModel::slotInvalidateFilter(bool notify)
{
    invalidateFilter(notify);
}

void ListProxyModel::slotFilterChanged(const QString&)
{
    if (m_model)
        m_model->setFilterDirty(true);
}

// Filtering -----------------------------------------------------------------------------------

bool ListProxyModel::contains(const ListItem* item, int column) const
{
    if (m_filterText.isEmpty())
        return true;
    return item->editTextContains(column, m_matcher);
}

bool ListProxyModel::anyChildAccepted(ListItem* group, int column) const
{
    group->filterMatched = false;
    const int n = group->childCount();
    for (int r = 0; r < n; ++r) {
        ListItem* child = group->child(r);
        const bool accepted
            = column >= 0 ? acceptsInColumn(child, column) : acceptsInAnyColumn(child);
        if (accepted) {
            group->filterMatched = !m_filterText.isEmpty();
            return true;
        }
    }
    return false;
}

bool ListProxyModel::acceptsInColumn(ListItem* item, int column) const
{
    if (m_model->isGroupItem(item))
        return anyChildAccepted(item, column);
    if (m_model->needsToBeFetched(item))
        m_model->setFilterDirty(true);
    if (item->uidOwner)
        return true;
    if (column < item->valueCount() && !(item->cellFlags(column) & ListItem::CellValid))
        return false;
    return contains(item, column);
}

bool ListProxyModel::acceptsInAnyColumn(ListItem* item) const
{
    const int first = m_model->iconColumn() ? 1 : 0;
    const int count = m_model->columnCount();
    if (first >= count)
        return false;
    if (m_model->isGroupItem(item))
        return anyChildAccepted(item, -1);
    if (m_model->needsToBeFetched(item))
        m_model->setFilterDirty(true);
    if (item->uidOwner)
        return true;
    const int grouped
        = m_model->hideGroupColumn() && m_model->isGrouped() ? m_model->groupColumn() : -2;
    for (int column = first; column < count; ++column) {
        if (!contains(item, column))
            continue;
        if (item->cellFlags(column) & ListItem::CellBoolean)
            return false;
        return column != grouped;
    }
    return false;
}

bool ListProxyModel::filterAcceptsRow(int sourceRow, const QModelIndex& sourceParent) const
{
    if (!m_filterEnabled || !m_model)
        return true;
    const ListItem* parent = m_model->itemForIndex(sourceParent);
    ListItem* item = parent ? parent->child(sourceRow) : nullptr;
    if (!item)
        return false;
    const int column = filterKeyColumn();
    if (column == -1)
        return acceptsInAnyColumn(item);
    if (column < 0 || column >= m_model->columnCount())
        return false;
    return acceptsInColumn(item, column);
}

// Sorting -------------------------------------------------------------------------------------

void ListProxyModel::sort(int column, Qt::SortOrder order)
{
    // Keys are read again and ranked once for this sort; the base's sorting then compares ranks,
    // and the cache serves until a row's key changes.
    if (m_model && column >= 0)
        rankAll(order);
    else
        clearRanks();
    QSortFilterProxyModel::sort(column, order);
}

void ListProxyModel::clearRanks()
{
    m_keys.clear();
    m_slots.clear();
    m_rowRanks.clear();
}

void ListProxyModel::rankAll(Qt::SortOrder order)
{
    clearRanks();
    if (m_model) {
        QList<ListItem*> items;
        m_model->getItems(items);
        m_keys.reserve(std::size_t(items.size()));
        m_slots.reserve(std::size_t(items.size()));
        for (const ListItem* item : qAsConst(items))
            keySlot(item);
        std::vector<std::uint32_t> ranks;
        NaturalSortKey::rank(m_keys.data(), m_keys.size(), order, ranks);
        for (std::size_t i = 0; i < ranks.size(); ++i)
            m_slots[i].rank = ranks[i];
        m_rankOrder = order;
        const ListItem* root = m_model->root();
        if (root && !m_model->mayHaveGroupRows()) {
            m_rowRanks.resize(std::size_t(root->childCount()));
            for (int r = 0; r < root->childCount(); ++r) {
                const ListItem* item = root->child(r);
                m_rowRanks[std::size_t(r)] = RowRank { item, m_slots[item->sortSlot].rank };
            }
        }
    }
}

std::uint32_t ListProxyModel::keySlot(const ListItem* item) const
{
    // The string's data pointer, read without touching the text itself (a packed key becomes
    // its string here, once).
    const QString& key = item->key();
    const void* text = const_cast<QString&>(key).data_ptr();
    const std::uint32_t slot = item->sortSlot;
    if (slot < m_slots.size() && m_slots[slot].text == text)
        return slot;
    m_keys.emplace_back(key);
    m_slots.push_back(Slot { text, NoRank });
    item->sortSlot = std::uint32_t(m_keys.size() - 1);
    return item->sortSlot;
}

int ListProxyModel::compare(const QModelIndex& left, const QModelIndex& right) const
{
    if (!m_model)
        return 0;
    if (m_rankOrder == sortOrder()) {
        const std::size_t rowA = std::size_t(left.row());
        const std::size_t rowB = std::size_t(right.row());
        if (rowA < m_rowRanks.size() && rowB < m_rowRanks.size()
            && m_rowRanks[rowA].item == left.internalPointer()
            && m_rowRanks[rowB].item == right.internalPointer()) {
            const std::uint32_t rankA = m_rowRanks[rowA].rank;
            const std::uint32_t rankB = m_rowRanks[rowB].rank;
            return rankA < rankB ? -1 : (rankA > rankB ? 1 : 0);
        }
    }
    const ListItem* a = m_model->itemForIndex(left);
    const ListItem* b = m_model->itemForIndex(right);
    if (!a || !b)
        return 0;
    // Both slots first: preparing the second key may move the first.
    const std::uint32_t slotA = keySlot(a);
    const std::uint32_t slotB = keySlot(b);
    const std::uint32_t rankA = m_slots[slotA].rank;
    const std::uint32_t rankB = m_slots[slotB].rank;
    if (rankA != NoRank && rankB != NoRank && m_rankOrder == sortOrder())
        return rankA < rankB ? -1 : (rankA > rankB ? 1 : 0);
    return NaturalSortKey::compare(m_keys[slotA], m_keys[slotB], sortOrder());
}

int ListProxyModel::compareNumbers(const QString& a, const QString& b)
{
    return NaturalSortKey::compareNumbers(a, b);
}

int ListProxyModel::compareStrings(const QString& a, const QString& b, bool plain) const
{
    if (a.isEmpty() && b.isEmpty())
        return 0;
    if (!plain && (a.isEmpty() || b.isEmpty())) {
        const int c = a.isEmpty() ? 1 : -1;
        return sortOrder() == Qt::AscendingOrder ? c : -c;
    }
    return NaturalSortKey::compareText(a, b);
}

int ListProxyModel::comparePixmaps(const QModelIndex& left, const QModelIndex& right) const
{
    if (!m_model)
        return 0;
    const ListItem* a = m_model->itemForIndex(left);
    const ListItem* b = m_model->itemForIndex(right);
    const auto pa = reinterpret_cast<quintptr>(a ? a->pixmap : nullptr);
    const auto pb = reinterpret_cast<quintptr>(b ? b->pixmap : nullptr);
    return pa < pb ? -1 : (pa > pb ? 1 : 0);
}

bool ListProxyModel::lessThan(const QModelIndex& left, const QModelIndex& right) const
{
    if (!m_model)
        return QSortFilterProxyModel::lessThan(left, right);
    const ListItem* a = m_model->itemForIndex(left);
    const ListItem* b = m_model->itemForIndex(right);
    if (!a || !b)
        return false;
    const bool groups = m_model->mayHaveGroupRows();
    if (!groups || (!m_model->isGroupItem(a) && !m_model->isGroupItem(b))) {
        if (m_model->isGrouped() && sortColumn() == 0)
            return false; // rows keep their order inside each group
        return compare(left, right) < 0;
    }
    if (sortColumn() != 0)
        return false;
    return compareStrings(a->text(0), b->text(0), false) < 0;
}

// Presentation --------------------------------------------------------------------------------

QVariant ListProxyModel::data(const QModelIndex& index, int role) const
{
    if (!m_model || !index.isValid())
        return QSortFilterProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    ListItem* item = source.isValid() ? m_model->itemForIndex(source) : nullptr;
    // What the base would answer, without mapping the index a second time.
    if (!m_model->isGroupItem(item))
        return source.isValid() ? m_model->data(source, role) : QVariant();
    switch (role) {
    case Qt::DisplayRole: {
        if (index.column() != 0)
            break;
        const QString name = m_model->getGroupName(item, true);
        if (!m_model->showGroupCount())
            return name;
        int count = item->childCount();
        if (!m_filterText.isEmpty() && m_filterEnabled) {
            const QModelIndex group = source.siblingAtColumn(0);
            count = 0;
            for (int r = 0; r < item->childCount(); ++r)
                count += filterAcceptsRow(r, group) ? 1 : 0;
        }
        return QStringLiteral("%1 (%2)").arg(name).arg(count);
    }
    case Qt::DecorationRole:
        if (index.column() == 0 && m_model->groupColumn() == 0)
            return GuiUtil::GuiPixmapDB::getPixmapFromPath(item->text(0));
        return QVariant();
    case Qt::BackgroundRole:
        return QColor(248, 248, 248);
    case Qt::ForegroundRole:
        if (item->cellFlags(0) & ListItem::CellHyperlink)
            return GuiConstants::StandardBlue;
        break;
    default:
        break;
    }
    return QSortFilterProxyModel::data(index, role);
}

void ListProxyModel::matchItems(const QModelIndex& start, const QString& value,
    QModelIndexList& out, Qt::MatchFlags flags) const
{
    const Qt::CaseSensitivity cs
        = (flags & Qt::MatchCaseSensitive) ? Qt::CaseSensitive : Qt::CaseInsensitive;
    const int rows = rowCount(start);
    const int columns = columnCount(start);
    for (int r = 0; r < rows; ++r) {
        const QModelIndex row = index(r, 0, start);
        if (QSortFilterProxyModel::data(row, ListModel::GroupRowRole).toBool()) {
            matchItems(row, value, out, flags);
            continue;
        }
        for (int c = 0; c < columns; ++c) {
            if (index(r, c, start).data(Qt::DisplayRole).toString().compare(value, cs) == 0) {
                out.append(row);
                break;
            }
        }
    }
}
