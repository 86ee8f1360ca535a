#pragma once

#include "engine/modelexplorer/UDInterface.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

/// The demo's model: a tree of systems and blocks, and leaf objects inside the blocks, each with
/// typed properties. Leaf properties are kept as columns (one array per property) and names are
/// made on demand, so a million leaves cost about 35 bytes each. Every object's handle is the
/// address of its byte in a block the store owns, so a handle from anywhere else is recognised
/// as foreign. Engine thread.
class ObjectStore {
public:
    enum class Property { Name, Type, Value, Enabled, Colour, Priority, SampleTime, Mode, Link };
    enum class Type : std::uint8_t { Constant, Delay, Gain, Scope, Sum, Switch };
    static constexpr int kPropertyCount = 9;
    static constexpr int kTypeCount = 6;
    static constexpr std::uint32_t kNone = 0xFFFFFFFFu;

    struct Shape {
        int systems = 10;
        int subsystemsPerSystem = 10;
        int blocksPerSubsystem = 9;
        std::uint32_t leaves = 1000000;
        /// Room for leaves made later by the user.
        std::uint32_t spare = 4096;
        std::uint32_t seed = 1;
    };

    explicit ObjectStore(const Shape& shape);
    ObjectStore(const ObjectStore&) = delete;
    ObjectStore& operator=(const ObjectStore&) = delete;

    // Names of properties, types and modes as the explorer shows them.
    static const char* propertyName(Property property);
    /// False for an unknown name (compared without regard to case).
    static bool propertyByName(const std::string& name, Property& property);
    static const char* typeName(Type type);
    static bool typeByName(const std::string& name, Type& type);
    static const std::vector<std::string>& modeNames();

    // Tree nodes: node 0 is the root system; systems hold systems or blocks, blocks hold leaves.
    std::uint32_t nodeCount() const { return std::uint32_t(m_nodes.size()); }
    bool isBlock(std::uint32_t node) const;
    std::uint32_t parentOf(std::uint32_t node) const;
    const std::vector<std::uint32_t>& childNodes(std::uint32_t node) const;
    const std::vector<std::uint32_t>& leavesOf(std::uint32_t block) const;
    /// The leaves of `node` and every node below it, in tree order.
    std::vector<std::uint32_t> leavesUnder(std::uint32_t node) const;
    std::string nodeName(std::uint32_t node) const;

    // Leaves.
    std::uint32_t leafCount() const { return std::uint32_t(m_type.size()); }
    std::uint32_t ownerOf(std::uint32_t leaf) const { return m_owner[leaf]; }
    Type typeOf(std::uint32_t leaf) const { return Type(m_type[leaf]); }
    std::string leafName(std::uint32_t leaf) const;
    /// Whether a leaf of this type has the property (Name, Type, Enabled, Colour and Priority
    /// belong to every type).
    static bool hasProperty(Type type, Property property);
    /// The value as the explorer shows it; empty where the leaf lacks the property.
    std::u16string text(std::uint32_t leaf, Property property) const;
    bool enabled(std::uint32_t leaf) const { return m_enabled[leaf]; }
    std::uint32_t colour(std::uint32_t leaf) const { return m_colour[leaf]; }
    std::uint32_t linkOf(std::uint32_t leaf) const { return m_link[leaf]; }
    /// Parses and stores `text`; false (nothing changed) for a read-only or missing property
    /// or a text that does not parse.
    bool setText(std::uint32_t leaf, Property property, const std::u16string& text);
    /// A new leaf at the end of `block`; kNone when `block` is no block or the store is full.
    std::uint32_t createLeaf(std::uint32_t block, Type type);

    /// Positions 0..n-1 of `leaves` ranked by `property` in ascending order (ties keep their
    /// order): result[i] is the rank of leaves[i].
    std::vector<std::uint32_t> ranks(
        const std::vector<std::uint32_t>& leaves, Property property) const;

    // Handles. Null, foreign and out-of-range handles give false.
    UDInterface* nodeHandle(std::uint32_t node) const;
    UDInterface* leafHandle(std::uint32_t leaf) const;
    bool nodeOf(const UDInterface* handle, std::uint32_t& node) const;
    bool leafOf(const UDInterface* handle, std::uint32_t& leaf) const;
    /// A node or leaf by its shown name ("Model", "System3", "Block40", "Gain1234").
    UDInterface* find(const std::string& name) const;
    std::string nameOf(const UDInterface* handle) const;

    /// Bytes held by the store's arrays (what the leaves cost, for the demo's figures).
    std::size_t memoryBytes() const;

private:
    struct Node {
        std::uint32_t parent;
        bool block;
        std::vector<std::uint32_t> children;
        std::vector<std::uint32_t> leaves;
    };

    std::uint32_t addNode(std::uint32_t parent, bool block);
    std::uint32_t addLeaf(std::uint32_t block, Type type);

    std::vector<Node> m_nodes;
    std::uint32_t m_nodeCapacity = 0;
    std::uint32_t m_leafCapacity = 0;
    std::unique_ptr<char[]> m_handles;

    std::vector<std::uint32_t> m_owner;
    std::vector<std::uint8_t> m_type;
    std::vector<double> m_value;
    std::vector<bool> m_enabled;
    std::vector<std::uint32_t> m_colour;
    std::vector<std::int32_t> m_priority;
    std::vector<float> m_sampleTime;
    std::vector<std::uint8_t> m_mode;
    std::vector<std::uint32_t> m_link;
};
