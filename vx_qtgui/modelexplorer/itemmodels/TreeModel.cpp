#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"

#include "engine/modelexplorer/VXMECheckState.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/GuiPixmapDB.h"

#include <QFont>
#include <QScopedValueRollback>

#include <algorithm>
#include <unordered_set>

namespace {

QString fromU16(const std::u16string& s)
{
    return s.empty() ? QString() : QString::fromUtf16(s.data(), int(s.size()));
}

QString fromLocal(const std::string& s)
{
    return s.empty() ? QString() : QString::fromLocal8Bit(s.data(), int(s.size()));
}

// Attribute bits 0-6 keep their place; iconalignment, bold and italic move to the cell's bits.
std::uint16_t nodeFlags(std::uint16_t attribute)
{
    return std::uint16_t((attribute & 0x7f) | (((attribute >> 7) & 0x7) << 10));
}

} // namespace

TreeModel::TreeModel(QObject* parent)
    : ListModel(false, parent)
{
    setHeaderInfo(0, QStringLiteral("Name"), 0, false, QString());
}

TreeModel::~TreeModel() = default;

QString TreeModel::expansionKey(const QString& label, UDInterface* object)
{
    QString text = label;
    text.remove(QLatin1Char('*'));
    // The address as the standard stream writes it, without a stream per node.
    const QString address = object
        ? QStringLiteral("0x") + QString::number(reinterpret_cast<quintptr>(object), 16)
        : QStringLiteral("0");
    return text + QLatin1Char('_') + address;
}

QString TreeModel::expansionKey(const ListItem* item)
{
    return item ? expansionKey(item->text(0), item->object) : QString();
}

bool TreeModel::isWithin(const ListItem* item, const ListItem* ancestor)
{
    for (const ListItem* p = item; p; p = p->parent()) {
        if (p == ancestor)
            return true;
    }
    return false;
}

QModelIndex TreeModel::addItem(
    VXMEObjectMessageData* record, ListItem* parent, const QModelIndex& after)
{
    if (!record || !parent)
        return QModelIndex();
    ListItem* afterItem = after.isValid() ? itemForIndex(after) : nullptr;
    if (afterItem && afterItem->parent() != parent)
        afterItem = nullptr;
    const int row = afterItem ? afterItem->row() + 1 : 0;
    ListItem* item = itemForObject(record->object);
    if (item) {
        // The host named an object below itself: keep the tree a tree.
        if (isWithin(parent, item))
            return QModelIndex();
        // `row` counts positions before the move, as the move notification does.
        moveItem(item, parent, row);
    } else {
        const QString icon = internIconPath(record->iconPath);
        const QString key = fromU16(record->sortKey);
        item = insertItem(parent, row, [&] {
            auto* created = new ListItem(record->object, record->itemFlag, icon, key, nullptr);
            parent->insertChild(row, created);
            return created;
        });
        item->complete = true;
    }
    registerObject(item);
    updateItem(item, record, false);
    return indexFromItem(item);
}

void TreeModel::updateItem(ListItem* item, VXMEObjectMessageData* record, bool replaceObject)
{
    if (!item || !record || item == root())
        return;
    if (replaceObject && record->object != item->object) {
        item->object = record->object;
        registerObject(item);
    }
    item->iconPath = internIconPath(record->iconPath);
    item->pixmap = ListItem::pixmapForPath(item->iconPath);
    item->itemFlag = record->itemFlag;
    item->setSortKey(fromU16(record->sortKey));
    const QString label = fromU16(record->label);
    if (item->valueCount() > 0 && label != item->text(0))
        updateExpandedItem(expansionKey(item), expansionKey(label, item->object));
    item->clear();

    ListItem::ItemAttribute attribute;
    const auto* attributes = record->treeAttributes;
    if (attributes && !attributes->empty()) {
        const VXPropertyAttribute& a = attributes->front();
        std::uint16_t flags = nodeFlags(a.flags);
        const VXUStringList* values = record->treeValues;
        const QString value
            = values && values->size() > 0 ? fromU16(values->elements().front()) : QString();
        if (a.flags & BooleanBit) {
            if (value == QLatin1String("1"))
                flags |= ListItem::CellChecked;
        } else if (value == QLatin1String(GuiConstants::CheckedText)) {
            flags |= ListItem::CellChecked;
        } else if (value == QLatin1String(GuiConstants::PartialText)) {
            flags |= ListItem::CellPartial;
        }
        attribute.flags = flags;
        attribute.icon = fromLocal(a.icon);
        attribute.tooltip = fromLocal(a.tooltip);
        attribute.color = fromLocal(a.color);
        attribute.backgroundcolor = fromLocal(a.backgroundColor);
    }
    item->appendValue(label, attribute);

    if (m_quietUpdates)
        return;
    const QModelIndex index = indexFromItem(item);
    if (!isResetting() && index.isValid())
        emit dataChanged(index, index);
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return Qt::NoItemFlags;
    Qt::ItemFlags result = Qt::ItemIsSelectable | Qt::ItemIsEnabled;
    const std::uint16_t bits = itemForIndex(index)->cellFlags(0);
    if (bits & CheckBoxBit) {
        if (!(bits & DisabledBit))
            result |= Qt::ItemIsUserCheckable;
        if (!(bits & BooleanBit))
            result |= Qt::ItemIsUserTristate;
    }
    return result;
}

QVariant TreeModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.model() != this || index.column() != 0)
        return QVariant();
    const ListItem* item = itemForIndex(index);
    const std::uint16_t bits = item->cellFlags(0);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return item->text(0);
    case Qt::CheckStateRole:
        if (!(bits & CheckBoxBit))
            return QVariant();
        if (bits & ListItem::CellChecked)
            return int(Qt::Checked);
        return int((bits & ListItem::CellPartial) ? Qt::PartiallyChecked : Qt::Unchecked);
    case Qt::BackgroundRole: {
        // A node's highlight colour is painted behind its text by the view, not as background.
        const QString background = item->attribute(0).backgroundcolor;
        return background.isEmpty() ? QVariant() : QVariant(ListItem::stringToColor(background));
    }
    case Qt::SizeHintRole:
        // The delegate measures check box, icon and text; the list's hint knows only the icon.
        return QVariant();
    case Qt::FontRole: {
        if (!(bits & (ListItem::CellBold | ListItem::CellItalic)))
            return QVariant();
        QFont f = font();
        f.setBold(bits & ListItem::CellBold);
        f.setItalic(bits & ListItem::CellItalic);
        return f;
    }
    default:
        return ListModel::data(index, role);
    }
}

bool TreeModel::addToExpanded(const QModelIndex& index)
{
    if (!index.isValid() || index.model() != this)
        return false;
    m_expanded.insert(expansionKey(itemForIndex(index)));
    return true;
}

bool TreeModel::addToCollapsed(const QModelIndex& index)
{
    if (!index.isValid() || index.model() != this)
        return false;
    m_expanded.erase(expansionKey(itemForIndex(index)));
    return true;
}

bool TreeModel::isItemExpanded(const QModelIndex& index) const
{
    if (!index.isValid() || index.model() != this)
        return false;
    return getExpanded(expansionKey(itemForIndex(index)));
}

void TreeModel::setExpanded(const QString& key, bool expanded)
{
    if (expanded)
        m_expanded.insert(key);
    else
        m_expanded.erase(key);
}

void TreeModel::updateExpandedItem(const QString& oldKey, const QString& newKey)
{
    if (oldKey == newKey || m_expanded.erase(oldKey) == 0)
        return;
    m_expanded.insert(newKey);
}

ListItem* TreeModel::setRoot(VXMEObjectMessageData* rootRecord, FillResult* result)
{
    // A host that sends its whole tree again mostly sends the same nodes: updating them in
    // place spares the view a reset, a full relayout and a re-expansion of every open node.
    ListItem* current = root() && root()->childCount() == 1 ? root()->child(0) : nullptr;
    if (current && rootRecord && current->object == rootRecord->object
        && sameShape(rootRecord->children, current)) {
        const QString text = current->text(0);
        const ListItem::ItemAttribute attribute = current->attribute(0);
        const QString icon = current->iconPath;
        {
            const QScopedValueRollback<bool> quiet(m_quietUpdates, true);
            updateItem(current, rootRecord, false);
            refreshInPlace(rootRecord->children, current, result);
        }
        if (current->text(0) != text || !(current->attribute(0) == attribute)
            || current->iconPath != icon) {
            const QModelIndex index = indexFromItem(current);
            emit dataChanged(index, index.siblingAtColumn(columnCount() - 1));
        }
        return current;
    }
    beginReset();
    clear();
    ListItem* node = nullptr;
    if (rootRecord) {
        const QModelIndex index = addItem(rootRecord, ensureRoot(), QModelIndex());
        node = index.isValid() ? itemForIndex(index) : nullptr;
        if (node)
            fillSubTree(rootRecord->children, node, result);
    }
    endReset();
    return node;
}

bool TreeModel::sameShape(const VXMEObjectDataList* records, const ListItem* parent)
{
    const int count = parent->childCount();
    if (!records)
        return count == 0;
    int row = 0;
    for (VXMEObjectData* data : *records) {
        const auto* record = dynamic_cast<const VXMEObjectMessageData*>(data);
        if (!record)
            continue; // filling skips these too
        if (row >= count || parent->child(row)->object != record->object
            || !sameShape(record->children, parent->child(row)))
            return false;
        ++row;
    }
    return row == count;
}

void TreeModel::refreshInPlace(
    const VXMEObjectDataList* records, ListItem* parent, FillResult* result)
{
    if (!records)
        return;
    // Only rows whose shown data changed are announced: a view re-measures its columns for
    // every announcement, and a tree sent again is mostly unchanged.
    int row = 0;
    int firstChanged = -1;
    int lastChanged = -1;
    for (VXMEObjectData* data : *records) {
        auto* record = dynamic_cast<VXMEObjectMessageData*>(data);
        if (!record)
            continue;
        ListItem* item = parent->child(row);
        const QString text = item->text(0);
        const ListItem::ItemAttribute attribute = item->attribute(0);
        const QString icon = item->iconPath;
        const bool flag = item->itemFlag;
        updateItem(item, record, false);
        if (item->text(0) != text || !(item->attribute(0) == attribute) || item->iconPath != icon
            || item->itemFlag != flag) {
            firstChanged = firstChanged < 0 ? row : firstChanged;
            lastChanged = row;
        }
        refreshInPlace(record->children, item, result);
        noteExpansion(item, result);
        ++row;
    }
    if (firstChanged < 0)
        return;
    const QModelIndex parentIndex = parent == root() ? QModelIndex() : indexFromItem(parent);
    emit dataChanged(
        index(firstChanged, 0, parentIndex), index(lastChanged, columnCount() - 1, parentIndex));
}

void TreeModel::noteExpansion(ListItem* item, FillResult* result) const
{
    // A node without children has nothing to show expanded; it is looked at again when its
    // children come.
    if (!result || !item->hasChildren())
        return;
    if (getExpanded(expansionKey(item)))
        result->expand.push_back(item);
    else
        result->collapse.push_back(item);
}

void TreeModel::fillSubTree(
    const VXMEObjectDataList* children, ListItem* parent, FillResult* result)
{
    if (!children || !parent)
        return;
    QModelIndex previous;
    for (VXMEObjectData* data : *children) {
        auto* record = dynamic_cast<VXMEObjectMessageData*>(data);
        if (!record)
            continue;
        const QModelIndex index = addItem(record, parent, previous);
        if (!index.isValid())
            continue;
        previous = index;
        ListItem* item = itemForIndex(index);
        if (record->children)
            fillSubTree(record->children, item, result);
        noteExpansion(item, result);
    }
}

void TreeModel::refreshSubTree(const VXMEObjectDataList* children, ListItem* parent,
    bool requestChildren, std::vector<UDInterface*>* requests)
{
    if (!parent)
        return;
    std::unordered_set<UDInterface*> wanted;
    if (children) {
        for (VXMEObjectData* data : *children) {
            if (data && data->object)
                wanted.insert(data->object);
        }
    }
    // Remove runs of rows that go, from the last: one notification per run.
    int runEnd = -1;
    for (int row = parent->childCount() - 1; row >= -1; --row) {
        ListItem* child = row >= 0 ? parent->child(row) : nullptr;
        const bool goes = child && !wanted.count(child->object);
        if (goes) {
            if (runEnd < 0)
                runEnd = row;
            continue;
        }
        if (runEnd >= 0) {
            removeItemRows(parent, row + 1, runEnd);
            runEnd = -1;
        }
    }
    if (!children)
        return;
    for (VXMEObjectData* data : *children) {
        auto* record = dynamic_cast<VXMEObjectMessageData*>(data);
        ListItem* item = record ? itemForObject(record->object) : nullptr;
        if (!item)
            continue;
        if (!record->children) {
            if (requestChildren && requests && item->hasChildren())
                requests->push_back(record->object);
            continue;
        }
        refreshSubTree(record->children, item, requestChildren, requests);
    }
}

bool TreeModel::updateNode(VXMEObjectMessageData* record)
{
    ListItem* item = record ? itemForObject(record->object) : nullptr;
    if (!item)
        return false;
    const bool keepCheck = (item->cellFlags(0) & CheckBoxBit)
        && !(record->treeAttributes && !record->treeAttributes->empty());
    const ListItem::ItemAttribute kept = item->attribute(0);
    auto restoreCheck = [&](ListItem* target) {
        const QString text = target->text(0);
        target->clear();
        target->appendValue(text, kept);
    };
    // Not attached: filling the scratch item notifies nobody.
    ListItem scratch(record->object, false, QString(), QString(), nullptr);
    updateItem(&scratch, record, false);
    if (keepCheck)
        restoreCheck(&scratch);
    if (scratch == *item)
        return false;
    updateItem(item, record, false);
    if (keepCheck) {
        restoreCheck(item);
        const QModelIndex index = indexFromItem(item);
        if (!isResetting())
            emit dataChanged(index, index);
    }
    return true;
}

bool TreeModel::removeSubtree(UDInterface* object)
{
    ListItem* item = itemForObject(object);
    if (!item)
        return false;
    removeItem(indexFromItem(item));
    return true;
}

std::string TreeModel::getCheckState(UDInterface* object) const
{
    ListItem* item = itemForObject(object);
    if (!item)
        return std::string();
    const QVariant state = data(indexFromItem(item), Qt::CheckStateRole);
    return VXMECheckState::word(
        state.isValid() ? state.toInt() : -1, (item->cellFlags(0) & DisabledBit) != 0);
}

bool TreeModel::isNodePixmapForReadOnly(UDInterface* object, const char* path, bool& found) const
{
    if (!object || !path)
        return false;
    ListItem* item = itemForObject(object);
    if (!item)
        return false;
    found = true;
    if (!item->pixmap || !item->itemFlag)
        return false;
    using GuiUtil::GuiPixmapDB;
    return GuiPixmapDB::resolvePath(item->iconPath)
        == GuiPixmapDB::resolvePath(QString::fromLocal8Bit(path));
}

bool TreeModel::setAcceptedActions(UDInterface* object, unsigned actions)
{
    ListItem* item = itemForObject(object);
    if (!item)
        return false;
    item->setAcceptedActions(actions);
    return true;
}

void TreeModel::clearDropState(bool statuses, bool actions)
{
    std::vector<ListItem*> stack;
    if (root())
        stack.push_back(root());
    while (!stack.empty()) {
        ListItem* item = stack.back();
        stack.pop_back();
        if (actions)
            item->clearAcceptedActions();
        if (statuses)
            item->clearDropStatus();
        if (const auto* children = item->children())
            stack.insert(stack.end(), children->begin(), children->end());
    }
}
