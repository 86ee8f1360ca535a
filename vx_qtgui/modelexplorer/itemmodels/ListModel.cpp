#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/GuiPixmapDB.h"
#include "vx_qtgui/GuiUtil.h"

#include <QFontMetrics>

#include <algorithm>

namespace {

// Unit for unit, as the cells are stored: no conversion pass, a leading byte-order mark kept.
QString fromU16(const std::u16string& s)
{
    return s.empty() ? QString() : GuiUtil::toQString(s);
}

QString fromLocal(const std::string& s)
{
    return s.empty() ? QString() : QString::fromLocal8Bit(s.data(), int(s.size()));
}

ListItem* newIndexRow(unsigned uid, UDInterface* owner, const QString& key, ListItem* parent)
{
    return new ListItem(uid, owner, key, parent);
}

ListItem* newIndexRow(unsigned uid, UDInterface* owner, const std::u16string& key, ListItem* parent)
{
    return ListItem::newIndexRow(uid, owner, key, parent);
}

QString onOff(const QString& value)
{
    return QLatin1String(GuiUtil::isTrueStr(value) ? GuiConstants::OnText : GuiConstants::OffText);
}

} // namespace

ListModel::ListModel(bool spreadsheetMode, QObject* parent)
    : QAbstractItemModel(parent)
    , m_spreadsheetMode(spreadsheetMode)
{
}

ListModel::~ListModel()
{
    delete m_root;
}

ListItem* ListModel::ensureRoot()
{
    if (!m_root)
        m_root = new ListItem(nullptr, false, QString(), QString(), nullptr);
    return m_root;
}

ListItem* ListModel::itemForIndex(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return m_root;
    return static_cast<ListItem*>(index.internalPointer());
}

QModelIndex ListModel::index(int row, int column, const QModelIndex& parent) const
{
    if (row < 0 || column < 0 || column >= columnCount(parent))
        return QModelIndex();
    // Top-level rows (a view's whole walk over a long list) read the root's vector directly.
    const ListItem* p = parent.isValid() ? itemForIndex(parent) : m_root;
    const std::vector<ListItem*>* children = p ? p->children() : nullptr;
    ListItem* c
        = children && std::size_t(row) < children->size() ? (*children)[std::size_t(row)] : nullptr;
    return c ? createIndex(row, column, c) : QModelIndex();
}

QModelIndex ListModel::parent(const QModelIndex& child) const
{
    if (!child.isValid())
        return QModelIndex();
    const ListItem* item = static_cast<ListItem*>(child.internalPointer());
    ListItem* p = item->parent();
    if (!p || p == m_root)
        return QModelIndex();
    return createIndex(p->row(), 0, p);
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const ListItem* p = itemForIndex(parent);
    return p ? p->childCount() : 0;
}

int ListModel::columnCount(const QModelIndex&) const
{
    return m_headers.size();
}

bool ListModel::hasChildren(const QModelIndex& parent) const
{
    return rowCount(parent) > 0;
}

QModelIndex ListModel::indexFromItem(const ListItem* item, int column) const
{
    if (!item || item == m_root || !item->parent())
        return QModelIndex();
    return createIndex(item->row(), column, const_cast<ListItem*>(item));
}

QModelIndex ListModel::indexFromItem(UDInterface* object) const
{
    return indexFromItem(m_index.object(object));
}

QModelIndex ListModel::indexFromUID(UDInterface* owner, unsigned uid) const
{
    return indexFromItem(m_index.indexRow(owner, uid));
}

ListItem* ListModel::itemForUID(UDInterface* owner, unsigned uid) const
{
    return m_index.indexRow(owner, uid);
}

bool ListModel::isGroupItem(const ListItem* item) const
{
    return item && !item->object && item->hasChildren() && m_root && item->parent() == m_root;
}

bool ListModel::needsToBeFetched(const ListItem* item) const
{
    return item && !item->complete && item->parent() && (item->valueCount() == 0 || item->stale);
}

void ListModel::notePending(ListItem* item) const
{
    if (item->requested || !m_pending.add(item))
        return;
    emit const_cast<ListModel*>(this)->pendingListChanged();
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!m_root || !index.isValid() || index.row() < 0 || index.column() < 0
        || index.column() > m_headers.size())
        return QVariant();
    ListItem* item = static_cast<ListItem*>(index.internalPointer());
    const int column = index.column();
    if (role == GroupRowRole)
        return isGroupItem(item);
    if (role == Qt::SizeHintRole)
        return sizeHint(item, column);
    if (isGroupItem(item) && role != FlagBitsRole && role != CursorRole)
        return QVariant();
    switch (role) {
    case Qt::DecorationRole:
        if (!m_iconColumn)
            return QVariant();
        break;
    case Qt::ForegroundRole:
        if (m_spreadsheetMode && (item->cellFlags(column) & ListItem::CellReadOnly)) {
            return (item->cellFlags(column) & ListItem::CellHyperlink)
                ? GuiConstants::StandardBlue
                : GuiConstants::FaintTextColor;
        }
        break;
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (needsToBeFetched(item))
            notePending(item);
        break;
    default:
        break;
    }
    return item->data(column, role);
}

QVariant ListModel::sizeHint(const ListItem* item, int column) const
{
    const ListItem* iconSource = isGroupItem(item) ? item->child(0) : item;
    const QSize icon = iconSource->getIconSize();
    const QFontMetrics metrics(m_font);
    const QString text = column > 0 ? item->data(column, Qt::DisplayRole).toString() : QString();
    const int width = !text.isEmpty() ? metrics.horizontalAdvance(text) + 8 : icon.width() + 4;
    const int height
        = std::max({ icon.height(), metrics.height(), m_spreadsheetMode ? 19 : 0 }) + 4;
    return QSize(width, height);
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    const ListItem* item = static_cast<ListItem*>(index.internalPointer());
    // Only group rows hold rows: saying so of the others spares a view's layout a look-up per
    // row (a million-row list is laid out whole).
    const bool leaf = item->object || item->uidOwner || item->parent() != m_root;
    const Qt::ItemFlags base = Qt::ItemIsSelectable | Qt::ItemIsEnabled
        | (leaf ? Qt::ItemNeverHasChildren : Qt::NoItemFlags);
    if (isGroupItem(item) || index.column() >= item->valueCount())
        return base;
    if (item->cellFlags(index.column()) & ListItem::CellReadOnly)
        return base;
    return base | Qt::ItemIsEditable;
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size())
        return QAbstractItemModel::headerData(section, orientation, role);
    const ListHeader& h = m_headers.at(section);
    switch (role) {
    case Qt::DisplayRole:
        return h.title;
    case Qt::DecorationRole:
        return h.icon.isNull() ? QVariant() : QVariant(h.icon);
    case Qt::BackgroundRole:
        return m_spreadsheetMode ? QVariant(QColor(245, 245, 245)) : QVariant();
    case Qt::ForegroundRole:
        return m_spreadsheetMode ? QVariant(QColor(150, 150, 150)) : QVariant();
    case FlagBitsRole:
        return h.width;
    case CursorRole:
        return h.name;
    case SortKeyRole:
        return h.booleanColumn;
    default:
        return QVariant();
    }
}

bool ListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || index.model() != this)
        return false;
    if (role == Qt::EditRole) {
        ListItem* item = static_cast<ListItem*>(index.internalPointer());
        const bool group = isGroupItem(item) && index.column() == 0;
        if (group)
            m_groups.remove(item, item->text(0));
        item->setText(index.column(), value.toString());
        if (group)
            m_groups.add(item->text(0), item);
        emit dataChanged(index, index);
    }
    return true;
}

bool ListModel::removeRows(int row, int count, const QModelIndex& parent)
{
    ListItem* p = itemForIndex(parent);
    if (!p || row < 0 || count <= 0 || row + count > p->childCount())
        return false;
    removeItemRows(p, row, row + count - 1);
    return true;
}

bool ListModel::insertRows(int row, int count, const QModelIndex& parent)
{
    ListItem* p = parent.isValid() ? itemForIndex(parent) : ensureRoot();
    if (!p || row < 0 || count <= 0 || row > p->childCount())
        return false;
    const bool notify = !isResetting();
    if (notify)
        beginInsertRows(parent, row, row + count - 1);
    for (int i = 0; i < count; ++i) {
        auto* item = new ListItem(nullptr, false, QString(), QString(), nullptr);
        p->insertChild(row + i, item);
    }
    if (notify)
        endInsertRows();
    return true;
}

// Headers -------------------------------------------------------------------------------------

QString ListModel::getHeaderDisplayTitle(const QString& name)
{
    return ListHeaders::displayTitle(name);
}

void ListModel::setHeaderInfo(
    int section, const QString& name, int width, bool customWidth, const QString& iconPath)
{
    ListHeader h;
    h.section = section;
    h.name = name;
    h.title = ListHeaders::displayTitle(name);
    h.width = width;
    h.customWidth = customWidth;
    if (!iconPath.isEmpty())
        h.icon = GuiUtil::GuiPixmapDB::getIconFromPath(iconPath);
    const int column = m_headers.size();
    const bool notify = !isResetting();
    if (notify)
        beginInsertColumns(QModelIndex(), column, column);
    m_headers.append(h);
    if (notify)
        endInsertColumns();
}

void ListModel::removeHeaders()
{
    // The rows' values pair with the columns: neither outlives the other.
    beginReset();
    clear();
    m_headers.clear();
    endReset();
}

int ListModel::getHeaderSection(const QString& name, Qt::CaseSensitivity cs) const
{
    return m_headers.section(name, cs);
}

QString ListModel::getHeaderTitle(int section) const
{
    return m_headers.contains(section) ? m_headers.at(section).title : QString();
}

int ListModel::getHeaderWidth(int section) const
{
    return m_headers.contains(section) ? m_headers.at(section).width : 0;
}

bool ListModel::isCustomHeaderWidth(int section) const
{
    return m_headers.contains(section) && m_headers.at(section).customWidth;
}

const ListHeader* ListModel::getHeaderInfo(const QString& name) const
{
    const int section = m_headers.section(name, Qt::CaseSensitive);
    return section < 0 ? nullptr : &m_headers.at(section);
}

void ListModel::updateHeaderWidth(int section, int width, bool custom)
{
    if (!m_headers.contains(section))
        return;
    ListHeader& h = m_headers.at(section);
    h.width = width;
    h.customWidth = custom;
    emit headerWidthChanged(h.title, width);
}

void ListModel::renameHeader(int section, const QString& name)
{
    if (!m_headers.contains(section))
        return;
    ListHeader& h = m_headers.at(section);
    h.name = name;
    h.title = ListHeaders::displayTitle(name);
    emit headerDataChanged(Qt::Horizontal, section, section);
}

void ListModel::moveHeader(int from, int to)
{
    if (!m_headers.contains(from) || !m_headers.contains(to) || from == to)
        return;
    m_headers.move(from, to);
    emit headerDataChanged(Qt::Horizontal, std::min(from, to), std::max(from, to));
}

void ListModel::reorderHeader(const QStringList& names)
{
    ListHeaders reordered = m_headers;
    if (reordered.reorder(names)) {
        m_headers = reordered;
        if (m_headers.size() > 0)
            emit headerDataChanged(Qt::Horizontal, 0, m_headers.size() - 1);
        return;
    }
    // The column count changes: views must read everything again.
    const bool notify = !isResetting();
    if (notify)
        beginResetModel();
    m_headers = reordered;
    if (notify)
        endResetModel();
}

void ListModel::updateHeaderAttribute(int section, const ListItem::ItemAttribute& attribute)
{
    if (m_headers.contains(section))
        m_headers.at(section).booleanColumn = attribute.flags & ListItem::CellBoolean;
}

// Rows ----------------------------------------------------------------------------------------

std::uint16_t ListModel::toCellFlags(const VXPropertyAttribute& a)
{
    return std::uint16_t((a.flags & 0x3f) | (((a.flags >> 7) & 0x7) << 10));
}

ListItem::ItemAttribute ListModel::toItemAttribute(const VXPropertyAttribute& a)
{
    ListItem::ItemAttribute out;
    out.flags = toCellFlags(a);
    out.icon = fromLocal(a.icon);
    out.tooltip = fromLocal(a.tooltip);
    out.color = fromLocal(a.color);
    out.backgroundcolor = fromLocal(a.backgroundColor);
    return out;
}

QString ListModel::internIconPath(const std::u16string& path)
{
    if (path.empty())
        return QString();
    const QString text = fromU16(path);
    // Rows of one kind share their icon path's text.
    auto it = m_iconPaths.constFind(text);
    if (it != m_iconPaths.constEnd())
        return it.value();
    m_iconPaths.insert(text, text);
    return text;
}

ListItem::ItemAttribute ListModel::groupAttribute(const VXMEObjectMessageData* record) const
{
    const int column = groupColumn();
    const int value = column - (m_iconColumn ? 1 : 0);
    if (column >= 0 && value >= 0 && record->listAttributes
        && value < int(record->listAttributes->size()))
        return toItemAttribute((*record->listAttributes)[std::size_t(value)]);
    return ListItem::ItemAttribute();
}

ListItem* ListModel::createGroupItem(
    const QString& text, ListItem* parent, const ListItem::ItemAttribute& a)
{
    ListItem::ItemAttribute groupAttr;
    groupAttr.flags = std::uint16_t(ListItem::CellValid | (a.flags & ListItem::CellHyperlink));
    ListItem* group = insertItem(
        parent, parent->childCount(), [&] { return new ListItem(text, groupAttr, parent); });
    if (parent == m_root)
        m_groups.add(text, group);
    return group;
}

ListItem* ListModel::groupFor(const QString& value, const ListItem::ItemAttribute& attribute)
{
    ListItem* root = ensureRoot();
    ListItem* group = m_groups.find(value);
    if (group && group->parent() == root && !group->object)
        return group;
    return createGroupItem(value, root, attribute);
}

void ListModel::reserveRows(int count, bool objects)
{
    if (count <= 0)
        return;
    // Grouped rows go below their group rows, which stay few.
    if (!isGrouped())
        ensureRoot()->reserveChildren(count);
    if (objects)
        m_index.reserveObjects(count);
}

QModelIndex ListModel::addItem(VXMEObjectMessageData* record, const QModelIndex& parent)
{
    if (!record)
        return QModelIndex();
    ListItem* root = ensureRoot();
    ListItem* target = parent.isValid() ? itemForIndex(parent) : root;
    if (!isGrouped() || target != root)
        return addItem(record, target, QModelIndex());
    const ListItem::ItemAttribute attribute = groupAttribute(record);
    QString value = fromU16(record->groupName);
    const int column = groupColumn();
    const bool boolean = (attribute.flags & ListItem::CellBoolean)
        || (column >= 0 && m_headers.at(column).booleanColumn);
    if (boolean)
        value = onOff(value);
    return addItem(record, groupFor(value, attribute), QModelIndex());
}

QModelIndex ListModel::addItem(
    VXMEObjectMessageData* record, ListItem* parent, const QModelIndex& after)
{
    if (!record || !parent)
        return QModelIndex();
    ListItem* afterItem = after.isValid() ? itemForIndex(after) : nullptr;
    if (afterItem && afterItem->parent() != parent)
        afterItem = nullptr;
    ListItem* item = m_index.object(record->object);
    if (item) {
        if (item->onRecycleList) {
            m_recycle.erase(std::find(m_recycle.begin(), m_recycle.end(), item));
            item->onRecycleList = false;
            recycle(item, record, parent, afterItem);
        } else {
            item->clear();
            item->setSortKey(fromU16(record->sortKey));
            // The row's key changed: sorting proxies must see it even when no cells follow.
            const QModelIndex first = indexFromItem(item);
            if (!isResetting() && !record->listValues && first.isValid() && columnCount() > 0)
                emit dataChanged(first, first.siblingAtColumn(columnCount() - 1));
        }
        ListItem* oldParent = item->parent();
        if (oldParent != parent) {
            moveItem(item, parent, parent->childCount());
            // A group row left empty goes.
            if (oldParent && oldParent != m_root && !oldParent->hasChildren()
                && oldParent->parent())
                removeItemRows(oldParent->parent(), oldParent->row(), oldParent->row());
        }
    } else if (!m_recycle.empty()) {
        item = m_recycle.front();
        m_recycle.pop_front();
        item->onRecycleList = false;
        recycle(item, record, parent, afterItem);
    } else {
        const int row = afterItem ? afterItem->row() + 1 : parent->childCount();
        const QString icon = internIconPath(record->iconPath);
        const QString key = fromU16(record->sortKey);
        item = insertItem(parent, row, [&] {
            return new ListItem(record->object, record->itemFlag, icon, key, parent, afterItem);
        });
    }
    registerObject(item);
    if (record->listValues)
        updateItem(item, record, false);
    return indexFromItem(item);
}

void ListModel::recycle(
    ListItem* item, VXMEObjectMessageData* record, ListItem* parent, ListItem* after)
{
    item->object = record->object;
    // A kept placeholder becomes an object row: it is no index row any more.
    item->uidOwner = nullptr;
    item->uid = 0;
    item->iconPath = internIconPath(record->iconPath);
    item->pixmap = ListItem::pixmapForPath(item->iconPath);
    item->itemFlag = record->itemFlag;
    item->setSortKey(fromU16(record->sortKey));
    item->stale = true;
    if (item->parent() != parent)
        moveItem(item, parent, after ? after->row() + 1 : parent->childCount());
    else if (after && item->row() != after->row() + 1)
        moveItem(item, parent, after->row() + 1);
    const QModelIndex first = indexFromItem(item);
    if (!isResetting() && first.isValid() && columnCount() > 0)
        emit dataChanged(first, first.siblingAtColumn(columnCount() - 1));
}

void ListModel::updateItem(ListItem* item, VXMEObjectMessageData* record, bool replaceObject)
{
    if (!item || !record || item == m_root)
        return;
    if (replaceObject) {
        m_index.removeObject(item->object, item);
        item->object = record->object;
        registerObject(item);
    }
    item->iconPath = internIconPath(record->iconPath);
    item->pixmap = ListItem::pixmapForPath(item->iconPath);
    item->itemFlag = record->itemFlag;
    item->clear();

    ListItem* group = item->parent();
    const int column = groupColumn();
    if (isGroupItem(group) && group->valueCount() > 0) {
        const ListItem::ItemAttribute a = groupAttribute(record);
        ListItem::ItemAttribute rebuilt;
        rebuilt.flags = std::uint16_t(ListItem::CellValid | (a.flags & ListItem::CellHyperlink));
        QString text = group->text(0);
        if ((a.flags & ListItem::CellBoolean)
            || (column >= 0 && m_headers.at(column).booleanColumn))
            text = onOff(text);
        CellStore::Source s;
        s.text = reinterpret_cast<const char16_t*>(text.utf16());
        s.length = std::uint32_t(text.size());
        s.flags = rebuilt.flags;
        group->setValues(&s, 1);
    }

    // Gather every cell first: the row gets one allocation.
    const VXUStringList* values = record->listValues;
    const VXMEObjectMessageData::AttributeVector* attributes = record->listAttributes;
    const int count = values ? values->size() : 0;
    const int firstValue = m_iconColumn ? 1 : 0;
    const int attributed = attributes ? std::min(count, int(attributes->size())) : 0;
    // Sources point into the styles: sized before any cell takes an address.
    if (m_rowStyles.size() < std::size_t(count))
        m_rowStyles.resize(std::size_t(count));
    // Every field of every cell is written below: no clearing pass.
    if (m_rowCells.size() < std::size_t(firstValue + count))
        m_rowCells.resize(std::size_t(firstValue + count));
    CellStore::Source* cells = m_rowCells.data();
    if (m_iconColumn)
        cells[0] = CellStore::Source { nullptr, 0, ListItem::CellValid, nullptr };
    const std::u16string* texts = count ? values->elements().data() : nullptr;
    const int headers = m_headers.size();
    for (int i = 0; i < count; ++i) {
        CellStore::Source& s = cells[firstValue + i];
        s.text = texts[i].data();
        s.length = std::uint32_t(texts[i].size());
        s.flags = ListItem::CellValid;
        s.style = nullptr;
        if (i < attributed) {
            const VXPropertyAttribute& a = (*attributes)[std::size_t(i)];
            s.flags = toCellFlags(a);
            // Most cells carry flags only: their texts are not converted.
            if (!a.icon.empty() || !a.tooltip.empty() || !a.color.empty()
                || !a.backgroundColor.empty()) {
                CellStyle& style = m_rowStyles[std::size_t(i)];
                style = CellStyle { fromLocal(a.icon), fromLocal(a.tooltip), fromLocal(a.color),
                    fromLocal(a.backgroundColor) };
                s.style = style.isEmpty() ? nullptr : &style;
            }
        }
        if (firstValue + i < headers)
            m_headers.at(firstValue + i).booleanColumn = s.flags & ListItem::CellBoolean;
    }
    item->setValues(cells, firstValue + count);

    const QModelIndex first = indexFromItem(item);
    if (!isResetting() && first.isValid() && columnCount() > 0)
        emit dataChanged(first, first.siblingAtColumn(columnCount() - 1));
}

template <class Key>
QModelIndex ListModel::addIndexRow(
    unsigned uid, UDInterface* owner, const Key& sortKey, const QString& groupValue)
{
    ListItem* parent = ensureRoot();
    if (isGrouped() && !groupValue.isEmpty())
        parent = groupFor(groupValue, ListItem::ItemAttribute());
    ListItem* item = insertItem(
        parent, parent->childCount(), [&] { return newIndexRow(uid, owner, sortKey, parent); });
    m_index.setIndexRow(owner, uid, item);
    return indexFromItem(item);
}

QModelIndex ListModel::addItem(unsigned uid, UDInterface* owner, const QString& sortKey,
    const QString& groupValue, int /*section*/)
{
    return addIndexRow(uid, owner, sortKey, groupValue);
}

QModelIndex ListModel::addItem(unsigned uid, UDInterface* owner, const std::u16string& sortKey,
    const QString& groupValue, int /*section*/)
{
    return addIndexRow(uid, owner, sortKey, groupValue);
}

QModelIndex ListModel::addItem(
    const QStringList& values, const QString& iconPath, const QModelIndex& parentIndex)
{
    ListItem* parent = parentIndex.isValid() ? itemForIndex(parentIndex) : ensureRoot();
    ListItem* item = insertItem(
        parent, parent->childCount(), [&] { return new ListItem(values, iconPath, parent); });
    return indexFromItem(item);
}

void ListModel::refresh(UDInterface* object, int column, const QModelIndex& /*index*/)
{
    ListItem* item = m_index.object(object);
    if (!item)
        return;
    item->stale = true;
    item->requested = false;
    const QModelIndex cell = indexFromItem(item, column >= 0 ? column : 0);
    if (!isResetting() && cell.isValid() && cell.column() < columnCount())
        emit dataChanged(cell, cell);
}

void ListModel::refresh(const VXMEObjectDataList* records, const QModelIndex& parent, bool recycle)
{
    for (ListItem* kept : m_recycle)
        kept->onRecycleList = false;
    m_recycle.clear();
    ListItem* p = parent.isValid() ? itemForIndex(parent) : m_root;
    if (!p)
        return;
    const std::size_t wanted = recycle && records ? records->size() : 0;
    // Walk from the last row; rows not kept go in contiguous ranges, not one by one.
    int rangeEnd = -1;
    for (int row = p->childCount() - 1; row >= -1; --row) {
        ListItem* item = row >= 0 ? p->child(row) : nullptr;
        const bool keep = item && m_recycle.size() < wanted && !isGroupItem(item);
        if (keep) {
            m_index.forget(item);
            item->onRecycleList = true;
            m_recycle.push_front(item);
        }
        if (item && !keep) {
            if (rangeEnd < 0)
                rangeEnd = row;
            continue;
        }
        if (rangeEnd >= 0) {
            removeItemRows(p, row + 1, rangeEnd);
            rangeEnd = -1;
        }
    }
}

void ListModel::purgeRecycleList()
{
    while (!m_recycle.empty()) {
        ListItem* item = m_recycle.back();
        m_recycle.pop_back();
        item->onRecycleList = false;
        if (ListItem* p = item->parent())
            removeItemRows(p, item->row(), item->row());
    }
}

void ListModel::removeItem(const QModelIndex& index)
{
    if (!index.isValid() || index.model() != this)
        return;
    ListItem* item = itemForIndex(index);
    if (ListItem* p = item->parent())
        removeItemRows(p, item->row(), item->row());
}

void ListModel::forgetTree(ListItem* item)
{
    m_index.forget(item);
    m_pending.remove(item);
    if (item->onRecycleList) {
        m_recycle.erase(std::find(m_recycle.begin(), m_recycle.end(), item));
        item->onRecycleList = false;
    }
    if (!item->object && item->parent() == m_root && item->valueCount() > 0)
        m_groups.remove(item, item->text(0));
    if (const std::vector<ListItem*>* children = item->children()) {
        for (ListItem* c : *children)
            forgetTree(c);
    }
}

void ListModel::removeItemRows(ListItem* parent, int first, int last)
{
    if (!parent || first < 0 || last < first || last >= parent->childCount())
        return;
    const bool notify = !isResetting();
    if (notify)
        beginRemoveRows(indexFromItem(parent), first, last);
    std::vector<ListItem*> doomed;
    doomed.reserve(std::size_t(last - first + 1));
    for (int r = first; r <= last; ++r)
        doomed.push_back(parent->child(r));
    for (ListItem* item : doomed)
        forgetTree(item);
    for (auto it = doomed.rbegin(); it != doomed.rend(); ++it) {
        parent->takeChild(*it);
        delete *it;
    }
    if (notify)
        endRemoveRows();
}

void ListModel::moveItem(ListItem* item, ListItem* parent, int row)
{
    ListItem* from = item->parent();
    if (!from || !parent)
        return;
    const int source = item->row();
    if (row < 0 || row > parent->childCount())
        row = parent->childCount();
    if (from == parent && (row == source || row == source + 1))
        return;
    const bool notify = !isResetting();
    if (notify && !beginMoveRows(indexFromItem(from), source, source, indexFromItem(parent), row))
        return;
    if (from == m_root && !item->object && item->valueCount() > 0)
        m_groups.remove(item, item->text(0));
    from->takeChild(item);
    // Removing the row first shifts later positions of the same parent down by one.
    parent->insertChild(from == parent && row > source ? row - 1 : row, item);
    if (notify)
        endMoveRows();
}

void ListModel::clear()
{
    const bool notify = !isResetting();
    if (notify)
        beginResetModel();
    m_pending.clear();
    for (ListItem* kept : m_recycle)
        kept->onRecycleList = false;
    m_recycle.clear();
    m_index.clear();
    m_groups.clear();
    delete m_root;
    m_root = nullptr;
    if (notify)
        endResetModel();
}

void ListModel::clearIndex(UDInterface* owner, unsigned uid)
{
    m_index.removeIndexRow(owner, uid);
}

void ListModel::beginReset()
{
    if (m_resetDepth++ == 0)
        beginResetModel();
}

void ListModel::endReset()
{
    if (m_resetDepth > 0 && --m_resetDepth == 0)
        endResetModel();
}

// Grouping ------------------------------------------------------------------------------------

int ListModel::groupColumn() const
{
    return m_groupProperty.isEmpty() ? -1 : m_headers.sectionOfProperty(m_groupProperty);
}

void ListModel::setGroup(const QString& name)
{
    if (!name.isEmpty() && m_headers.sectionOfProperty(name) < 0)
        return;
    if (name == m_groupProperty)
        return;
    const QString old = m_groupProperty;
    m_groupProperty = name;
    emit groupChanged(old, name);
}

void ListModel::removeGroup()
{
    if (!m_root)
        return;
    const bool notify = !isResetting();
    if (notify)
        beginResetModel();
    std::vector<ListItem*> rows;
    std::vector<ListItem*> groups;
    for (ListItem* item : m_root->takeChildren()) {
        if (!item->object && item->hasChildren()) {
            groups.push_back(item);
            for (ListItem* c : item->takeChildren())
                rows.push_back(c);
        } else {
            rows.push_back(item);
        }
    }
    for (ListItem* g : groups) {
        m_pending.remove(g);
        delete g;
    }
    for (ListItem* r : rows)
        m_root->insertChild(m_root->childCount(), r);
    m_groups.clear();
    if (notify)
        endResetModel();
}

QString ListModel::getGroupName(const ListItem* item, bool useHeaderTitle) const
{
    const int column = groupColumn();
    if (column < 0)
        return m_showGroupPropertyName ? QStringLiteral(": ") : QString();
    const ListHeader& h = m_headers.at(column);
    const QString text = item ? item->text(0) : QString();
    if (!m_showGroupPropertyName)
        return text;
    return (useHeaderTitle ? h.title : h.name) + QStringLiteral(": ") + text;
}

void ListModel::setCollapsed(const QString& key, bool collapsed)
{
    if (collapsed)
        m_collapsed.insert(key);
    else
        m_collapsed.erase(key);
}

bool ListModel::getCollapsed(const QString& key) const
{
    return m_collapsed.count(key) > 0;
}

// Lazy data -----------------------------------------------------------------------------------

void ListModel::collectItems(const ListItem* parent, QList<ListItem*>& out) const
{
    const std::vector<ListItem*>* children = parent->children();
    if (!children)
        return;
    for (ListItem* c : *children) {
        if (isGroupItem(c))
            collectItems(c, out);
        else
            out.append(c);
    }
}

void ListModel::getItems(QList<ListItem*>& out, const QModelIndex& parent) const
{
    if (const ListItem* p = itemForIndex(parent))
        collectItems(p, out);
}

void ListModel::getPendingItems(QList<ListItem*>& out)
{
    m_pending.takeAll(out);
}

void ListModel::clearPendingItems()
{
    m_pending.clear();
}

bool ListModel::addToExpanded(const QModelIndex&)
{
    return false;
}

bool ListModel::addToCollapsed(const QModelIndex&)
{
    return false;
}

bool ListModel::isItemExpanded(const QModelIndex&) const
{
    return false;
}
