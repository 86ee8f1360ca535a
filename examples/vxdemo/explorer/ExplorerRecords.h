#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "examples/vxdemo/explorer/ObjectStore.h"

#include <cstdint>
#include <string>

class VXMEEditTypeData;
class VXMEObjectMessageData;
class VXStringList;

/// Turns store objects into the records the explorer shows: tree nodes, list rows (one value
/// per column, with display attributes, a sort key and a group name), placeholders of large
/// lists, and editor descriptions. Every record returned is new and the caller's to hand over.
/// Engine thread.
class ExplorerRecords {
public:
    /// Sort keys are ranks written with this many digits, so text order is rank order (seven
    /// digits cover the largest store and stay inside a string's own buffer).
    static constexpr int kKeyDigits = 7;
    /// No grouping.
    static constexpr int kNoGroup = -1;

    explicit ExplorerRecords(const ObjectStore& store);

    /// The list's columns, in order: every property of ObjectStore.
    static VXStringList* columnNames();
    static std::u16string sortKey(std::uint32_t rank);

    /// `node` with its children `depth` levels down (blocks carry no tree children: their
    /// leaves are list rows). Null for an unknown node.
    VXMEObjectMessageData* treeNode(std::uint32_t node, int depth) const;
    /// A complete row of `leaf`; `group` is a property index or kNoGroup. Null for an unknown
    /// leaf.
    VXMEObjectMessageData* row(std::uint32_t leaf, const std::u16string& key, int group) const;
    /// The same row, naming its place `index` in the list of `owner` (an answer for a
    /// placeholder).
    VXMEObjectMessageData* indexedRow(std::uint32_t leaf, UDInterface* owner, std::uint32_t index,
        const std::u16string& key, int group) const;
    /// A row without values whose data the list asks for when it becomes visible.
    VXMEObjectMessageData* placeholder(UDInterface* owner, std::uint32_t index,
        const std::u16string& key, const std::u16string& group) const;
    /// The value `leaf` shows in the group column, or empty for kNoGroup.
    std::u16string groupText(std::uint32_t leaf, int group) const;
    /// How the list edits `property`: choices for types, modes and switches, a line edit for
    /// the other writable ones, no editor for the name.
    static VXMEEditTypeData* editor(ObjectStore::Property property);
    /// The object's properties as a small page for the dialog pane.
    std::u16string dialogPage(std::uint32_t leaf) const;
    /// A system's or block's page: what it holds (`objects`: the leaves under it, which the
    /// caller has counted already).
    std::u16string nodePage(std::uint32_t node, std::size_t objects) const;
    /// "Model/System1/System12/Block13".
    std::u16string nodePath(std::uint32_t node) const;

private:
    const ObjectStore& m_store;
};
