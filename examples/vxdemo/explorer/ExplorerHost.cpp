#include "examples/vxdemo/explorer/ExplorerHost.h"

#include "engine/VXEvent.h"
#include "engine/modelexplorer/VXEventUDI.h"
#include "engine/modelexplorer/VXMEEventCreateObject.h"
#include "engine/modelexplorer/VXMEEventData.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "examples/vxdemo/explorer/ExplorerAnswers.h"
#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"

#include <algorithm>
#include <cctype>

using Property = ObjectStore::Property;

namespace {

// The tree shows this many levels below a node it opens, so every shown node that has
// children already carries them and gets its expander.
constexpr int kTreeDepth = 2;

const VXMEObjectDataList* recordsOf(const VXEvent* event)
{
    auto* list = dynamic_cast<const VXMEEventDataList*>(event);
    return list ? list->getList() : nullptr;
}

std::string lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
        [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

} // namespace

ExplorerHost::ExplorerHost(ObjectStore& store, ExplorerAnswers& answers)
    : m_store(store)
    , m_answers(answers)
    , m_records(store)
{
}

void ExplorerHost::open()
{
    m_answers.setColumns(ExplorerRecords::columnNames(), ExplorerRecords::columnNames());
    m_answers.setRoot(m_records.treeNode(0, kTreeDepth));
}

void ExplorerHost::handleEvent(const VXEvent* event)
{
    if (!event)
        return;
    switch (event->getType()) {
    case MESubtreeReplaceRequest:
    case METreeExpandedEvent:
        expand(event);
        break;
    case METreeSelectionChangedEvent:
        treeSelection(event);
        break;
    case SSGetPendingDataEvent:
        pendingData(event);
        break;
    case SSSortingChangedEvent:
        sortBy(event->getString() ? event->getString() : "", event->getState());
        break;
    case SSGroupingChangedEvent:
        groupBy(event->getString() ? event->getString() : "");
        break;
    case SSItemsEditRequest:
        editRequest(event);
        break;
    case SSItemsChangedEvent:
        itemsChanged(event);
        break;
    case SSSelectionChangedEvent:
        listSelection(event);
        break;
    case MECreateNewObjEvent:
        create(dynamic_cast<const VXMEEventCreateObject*>(event));
        break;
    case MEViewHyperlinkEvent:
        linkClicked(dynamic_cast<const VXEventUDI*>(event));
        break;
    default:
        break;
    }
}

void ExplorerHost::expand(const VXEvent* event)
{
    auto* data = dynamic_cast<const VXMEEventData*>(event);
    std::uint32_t node;
    if (data && data->getData() && m_store.nodeOf(data->getData()->object, node))
        m_answers.replaceSubtree(m_records.treeNode(node, kTreeDepth));
}

void ExplorerHost::treeSelection(const VXEvent* event)
{
    auto* data = dynamic_cast<const VXMEEventData*>(event);
    std::uint32_t node;
    if (data && data->getData() && m_store.nodeOf(data->getData()->object, node) && showList(node))
        m_answers.showDialog(m_records.nodePage(node, m_listed.size()));
}

bool ExplorerHost::showList(std::uint32_t node)
{
    if (node >= m_store.nodeCount())
        return false;
    m_listNode = node;
    m_owner = m_store.nodeHandle(node);
    m_listed = m_store.leavesUnder(node);
    m_positions.clear();
    m_ranks.clear();
    if (m_sort >= 0)
        m_ranks = m_store.ranks(m_listed, Property(m_sort));
    m_answers.showContentsOf(m_owner, m_records.nodePath(node));
    sendList(m_listed.empty() ? u"No objects in this block" : u"");
    return true;
}

std::u16string ExplorerHost::keyAt(std::uint32_t position) const
{
    return ExplorerRecords::sortKey(position < m_ranks.size() ? m_ranks[position] : position);
}

void ExplorerHost::sendList(const std::u16string& message)
{
    auto* rows = new VXMEObjectDataList;
    // A long list's records come from shared blocks: the explorer frees them cheaply.
    VXMEObjectData::Bulk bulk;
    const bool placeholders = incremental();
    for (std::uint32_t i = 0; i < m_listed.size(); ++i) {
        const std::uint32_t leaf = m_listed[i];
        if (placeholders)
            rows->push_back(
                m_records.placeholder(m_owner, i, keyAt(i), m_records.groupText(leaf, m_group)));
        else
            rows->push_back(m_records.row(leaf, keyAt(i), m_group));
    }
    m_answers.replaceList(rows, message);
}

bool ExplorerHost::sortBy(const std::string& name, bool ascending)
{
    Property property;
    if (!ObjectStore::propertyByName(name, property))
        return false;
    m_sort = int(property);
    m_ascending = ascending;
    m_ranks = m_store.ranks(m_listed, property);
    if (!m_listed.empty())
        sendList(u"");
    return true;
}

bool ExplorerHost::groupBy(const std::string& name)
{
    Property property;
    if (name.empty())
        m_group = ExplorerRecords::kNoGroup;
    else if (ObjectStore::propertyByName(name, property))
        m_group = int(property);
    else
        return false;
    if (!m_listed.empty())
        sendList(u"");
    return true;
}

std::uint32_t ExplorerHost::search(const std::string& text)
{
    const std::string wanted = lower(text);
    m_listNode = ObjectStore::kNone;
    m_owner = m_store.nodeHandle(0);
    m_listed.clear();
    m_positions.clear();
    m_ranks.clear();
    for (std::uint32_t leaf = 0; leaf < m_store.leafCount(); ++leaf) {
        if (lower(m_store.leafName(leaf)).find(wanted) != std::string::npos)
            m_listed.push_back(leaf);
    }
    if (m_sort >= 0)
        m_ranks = m_store.ranks(m_listed, Property(m_sort));
    sendList(m_listed.empty() ? u"No objects match" : u"");
    return std::uint32_t(m_listed.size());
}

bool ExplorerHost::leafOf(const VXMEObjectData* record, std::uint32_t& leaf) const
{
    if (!record)
        return false;
    if (record->object)
        return m_store.leafOf(record->object, leaf);
    // A placeholder of an earlier list (or of another owner) names nothing any more.
    if (!m_owner || record->owner != m_owner || record->index >= m_listed.size())
        return false;
    leaf = m_listed[std::size_t(record->index)];
    return true;
}

VXMEObjectMessageData* ExplorerHost::answerFor(
    const VXMEObjectData* record, std::uint32_t leaf) const
{
    std::uint32_t position = 0;
    if (!record->object) {
        position = std::uint32_t(record->index);
        return m_records.indexedRow(leaf, m_owner, position, keyAt(position), m_group);
    }
    position = positionOf(leaf);
    return m_records.row(leaf, position != ObjectStore::kNone ? keyAt(position) : u"", m_group);
}

std::uint32_t ExplorerHost::positionOf(std::uint32_t leaf) const
{
    if (m_positions.empty() && !m_listed.empty()) {
        m_positions.assign(m_store.leafCount(), ObjectStore::kNone);
        for (std::uint32_t i = 0; i < m_listed.size(); ++i)
            m_positions[m_listed[i]] = i;
    }
    return leaf < m_positions.size() ? m_positions[leaf] : ObjectStore::kNone;
}

VXMEObjectDataList* ExplorerHost::answersFor(const VXMEObjectDataList& records,
    const std::function<void(const VXMEObjectData*, std::uint32_t)>& touch)
{
    auto* rows = new VXMEObjectDataList;
    for (const VXMEObjectData* record : records) {
        std::uint32_t leaf;
        if (!leafOf(record, leaf))
            continue;
        if (touch)
            touch(record, leaf);
        rows->push_back(answerFor(record, leaf));
    }
    if (rows->empty())
        VXMEObjectData::destroyList(rows);
    return rows;
}

void ExplorerHost::pendingData(const VXEvent* event)
{
    const VXMEObjectDataList* records = recordsOf(event);
    if (!records)
        return;
    if (VXMEObjectDataList* rows = answersFor(*records))
        m_answers.updatePendingData(rows);
}

void ExplorerHost::editRequest(const VXEvent* event)
{
    const VXMEObjectDataList* records = recordsOf(event);
    Property property;
    if (!records || !event->getString()
        || !ObjectStore::propertyByName(event->getString(), property))
        return;
    VXMEObjectDataList* rows = answersFor(*records);
    if (!rows)
        return;
    m_answers.changeEditType(ExplorerRecords::editor(property));
    m_answers.editListNodes(rows);
}

void ExplorerHost::itemsChanged(const VXEvent* event)
{
    const VXMEObjectDataList* records = recordsOf(event);
    if (!records)
        return;
    // A refused value is answered too, so the cell shows what the object holds.
    VXMEObjectDataList* rows
        = answersFor(*records, [this](const VXMEObjectData* record, std::uint32_t leaf) {
              auto* data = dynamic_cast<const VXMEObjectEventData*>(record);
              if (!data || !data->propertyNames || !data->propertyValues)
                  return;
              const int pairs = std::min(data->propertyNames->size(), data->propertyValues->size());
              for (int i = 0; i < pairs; ++i) {
                  Property property;
                  const char* name = data->propertyNames->elementAt(i);
                  if (!name || !ObjectStore::propertyByName(name, property)
                      || !m_store.setText(leaf, property, *data->propertyValues->elementAt(i)))
                      ++m_refused;
              }
          });
    if (rows)
        m_answers.updateNodes(rows);
}

void ExplorerHost::linkClicked(const VXEventUDI* event)
{
    // The "contents of" link names the listed node: its page goes to the dialog pane.
    std::uint32_t node;
    if (event && m_store.nodeOf(event->getObject(), node))
        m_answers.showDialog(m_records.nodePage(node, m_store.leavesUnder(node).size()));
}

void ExplorerHost::listSelection(const VXEvent* event)
{
    const VXMEObjectDataList* records = recordsOf(event);
    if (!records)
        return;
    for (const VXMEObjectData* record : *records) {
        std::uint32_t leaf;
        if (leafOf(record, leaf) && showObject(leaf))
            return;
    }
}

bool ExplorerHost::showObject(std::uint32_t leaf)
{
    if (leaf >= m_store.leafCount())
        return false;
    m_answers.showDialog(m_records.dialogPage(leaf));
    return true;
}

void ExplorerHost::create(const VXMEEventCreateObject* event)
{
    ObjectStore::Type type;
    if (!event || !event->getString() || !ObjectStore::typeByName(event->getString(), type))
        return;
    // Into the shown block, else the first block under the shown node, else the first block.
    std::uint32_t block = ObjectStore::kNone;
    std::vector<std::uint32_t> nodes { m_listNode < m_store.nodeCount() ? m_listNode : 0u };
    while (!nodes.empty() && block == ObjectStore::kNone) {
        const std::uint32_t node = nodes.front();
        nodes.erase(nodes.begin());
        if (m_store.isBlock(node))
            block = node;
        const auto& children = m_store.childNodes(node);
        nodes.insert(nodes.end(), children.begin(), children.end());
    }
    const int wanted = event->getNames() ? event->getNames()->size() : 1;
    for (int i = 0; i < std::min(std::max(wanted, 1), kMaxCreated); ++i) {
        const std::uint32_t leaf = m_store.createLeaf(block, type);
        if (leaf == ObjectStore::kNone)
            break;
        m_lastCreated = leaf;
    }
    if (m_listNode < m_store.nodeCount())
        showList(m_listNode);
}
