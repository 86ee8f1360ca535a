#pragma once

#include "engine/VXListener.h"
#include "engine/modelexplorer/VXMEObjectData.h"
#include "examples/vxdemo/explorer/ExplorerRecords.h"
#include "examples/vxdemo/explorer/ObjectStore.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class ExplorerAnswers;
class VXEventUDI;
class VXMEEventCreateObject;

/// The demo host's side of one explorer: answers every event the explorer sends (expansion,
/// tree selection, rows to fetch, sorting, grouping, edit requests, committed edits, list
/// selection, object creation) from the store, and runs the searches the user asks for.
/// Lists longer than the incremental threshold go out as placeholders whose values are sent
/// when the list asks for them. Engine thread.
class ExplorerHost : public VXListener {
public:
    static constexpr std::uint32_t kDefaultIncrementalThreshold = 2000;
    /// Objects one creation request may make (the count comes from the user's text).
    static constexpr int kMaxCreated = 100;

    ExplorerHost(ObjectStore& store, ExplorerAnswers& answers);

    void setIncrementalThreshold(std::uint32_t rows) { m_threshold = rows; }

    /// Columns and the top of the tree.
    void open();
    void handleEvent(const VXEvent* event) override;

    /// Shows the leaves under `node` in the list; false for an unknown node.
    bool showList(std::uint32_t node);
    /// The leaf's page in the dialog pane, as a click on its row asks for.
    bool showObject(std::uint32_t leaf);
    /// Ranks the shown list by `property` and sends every row's new sort key. Keys always rank
    /// ascending (the list reverses them); `ascending` is only remembered.
    bool sortBy(const std::string& property, bool ascending = true);
    /// Groups the shown list by `property`; an empty name ungroups. False for an unknown name.
    bool groupBy(const std::string& property);
    /// Lists the leaves whose name contains `text` (ignoring case); returns how many.
    std::uint32_t search(const std::string& text);

    // What the list shows now.
    const std::vector<std::uint32_t>& listed() const { return m_listed; }
    UDInterface* listOwner() const { return m_owner; }
    bool incremental() const { return m_listed.size() > m_threshold; }
    int sortProperty() const { return m_sort; }
    bool sortAscending() const { return m_ascending; }
    int groupProperty() const { return m_group; }
    /// Edits refused because the value did not parse or the property is read-only.
    int refusedEdits() const { return m_refused; }
    std::uint32_t lastCreated() const { return m_lastCreated; }

private:
    void expand(const VXEvent* event);
    void treeSelection(const VXEvent* event);
    void pendingData(const VXEvent* event);
    void editRequest(const VXEvent* event);
    void itemsChanged(const VXEvent* event);
    void listSelection(const VXEvent* event);
    void linkClicked(const VXEventUDI* event);
    void create(const VXMEEventCreateObject* event);

    /// The leaf a record names: its object, or its place in the shown list.
    bool leafOf(const VXMEObjectData* record, std::uint32_t& leaf) const;
    /// The row record answering `record` (keeping its place when it names one).
    VXMEObjectMessageData* answerFor(const VXMEObjectData* record, std::uint32_t leaf) const;
    /// The answer rows for the leaves among `records`, `touch` run on each leaf first (when
    /// given); null when none is a leaf.
    VXMEObjectDataList* answersFor(const VXMEObjectDataList& records,
        const std::function<void(const VXMEObjectData*, std::uint32_t)>& touch = {});
    std::u16string keyAt(std::uint32_t position) const;
    /// Where `leaf` is in the shown list, or ObjectStore::kNone.
    std::uint32_t positionOf(std::uint32_t leaf) const;
    void sendList(const std::u16string& message);

    ObjectStore& m_store;
    ExplorerAnswers& m_answers;
    ExplorerRecords m_records;
    std::uint32_t m_threshold = kDefaultIncrementalThreshold;
    std::uint32_t m_listNode = ObjectStore::kNone;
    UDInterface* m_owner = nullptr;
    std::vector<std::uint32_t> m_listed;
    /// Rank of each listed position under the sort property; empty: listing order.
    std::vector<std::uint32_t> m_ranks;
    /// Listed position by leaf, made when first needed for the shown list.
    mutable std::vector<std::uint32_t> m_positions;
    int m_sort = -1;
    bool m_ascending = true;
    int m_group = ExplorerRecords::kNoGroup;
    int m_refused = 0;
    std::uint32_t m_lastCreated = ObjectStore::kNone;
};
