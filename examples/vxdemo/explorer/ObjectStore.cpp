#include "examples/vxdemo/explorer/ObjectStore.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <utility>

namespace {

const char* const kPropertyNames[ObjectStore::kPropertyCount]
    = { "Name", "Type", "Value", "Enabled", "Colour", "Priority", "Sample time", "Mode", "Link" };
// In alphabetical order, so ordering by type is ordering by type name.
const char* const kTypeNames[ObjectStore::kTypeCount]
    = { "Constant", "Delay", "Gain", "Scope", "Sum", "Switch" };
const std::uint32_t kPalette[]
    = { 0xE53935, 0x43A047, 0x1E88E5, 0xFDD835, 0x8E24AA, 0x00ACC1, 0xFB8C00, 0x757575 };
const float kSampleTimes[] = { -1.0f, 0.001f, 0.01f, 0.1f, 1.0f };

bool sameWord(const std::string& a, const char* b)
{
    const std::size_t n = std::strlen(b);
    if (a.size() != n)
        return false;
    for (std::size_t i = 0; i < n; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i]))
            != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return true;
}

std::u16string widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

// Host input: only plain ASCII texts name anything here.
bool narrow(const std::u16string& text, std::string& out)
{
    out.clear();
    for (char16_t c : text) {
        if (c == 0 || c > 0x7F)
            return false;
        out.push_back(char(c));
    }
    return true;
}

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::string numberText(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", value);
    return buffer;
}

bool parseNumber(const std::string& text, double& value)
{
    const std::string t = trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    const double parsed = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(parsed))
        return false;
    value = parsed;
    return true;
}

bool parseInteger(const std::string& text, long long low, long long high, long long& value)
{
    const std::string t = trimmed(text);
    if (t.empty())
        return false;
    char* end = nullptr;
    errno = 0;
    const long long parsed = std::strtoll(t.c_str(), &end, 10);
    if (errno != 0 || end != t.c_str() + t.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

// Doubles as unsigned keys that sort as the numbers do.
std::uint64_t orderedBits(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return (bits & 0x8000000000000000ull) ? ~bits : (bits | 0x8000000000000000ull);
}

// Splits "Gain1234" into "Gain" and 1234.
bool splitName(const std::string& name, std::string& prefix, std::uint32_t& number)
{
    std::size_t digits = name.size();
    while (digits > 0 && std::isdigit(static_cast<unsigned char>(name[digits - 1])))
        --digits;
    if (digits == name.size() || digits == 0 || name.size() - digits > 10)
        return false;
    long long parsed = 0;
    if (!parseInteger(name.substr(digits), 0, 0xFFFFFFFEll, parsed))
        return false;
    prefix = name.substr(0, digits);
    number = std::uint32_t(parsed);
    return true;
}

struct Random {
    std::uint32_t state;
    std::uint32_t next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    std::uint32_t below(std::uint32_t n) { return next() % n; }
};

} // namespace

ObjectStore::ObjectStore(const Shape& shape)
{
    const int systems = std::max(0, shape.systems);
    const int subsystems = std::max(0, shape.subsystemsPerSystem);
    const int blocksEach = std::max(1, shape.blocksPerSubsystem);
    addNode(kNone, false);
    std::vector<std::uint32_t> blocks;
    for (int s = 0; s < systems; ++s) {
        const std::uint32_t system = addNode(0, false);
        for (int u = 0; u < subsystems; ++u) {
            const std::uint32_t sub = addNode(system, false);
            for (int b = 0; b < blocksEach; ++b)
                blocks.push_back(addNode(sub, true));
        }
    }
    if (blocks.empty())
        blocks.push_back(addNode(0, true));

    m_nodeCapacity = nodeCount();
    m_leafCapacity = shape.leaves + shape.spare;
    m_handles.reset(new char[std::size_t(m_nodeCapacity) + m_leafCapacity]);
    for (auto* column : { &m_owner, &m_colour, &m_link })
        column->reserve(m_leafCapacity);
    m_type.reserve(m_leafCapacity);
    m_value.reserve(m_leafCapacity);
    m_enabled.reserve(m_leafCapacity);
    m_priority.reserve(m_leafCapacity);
    m_sampleTime.reserve(m_leafCapacity);
    m_mode.reserve(m_leafCapacity);

    Random random { shape.seed ? shape.seed : 1u };
    const std::uint32_t per = shape.leaves / std::uint32_t(blocks.size());
    const std::uint32_t extra = shape.leaves % std::uint32_t(blocks.size());
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const std::uint32_t count = per + (b < extra ? 1 : 0);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint32_t leaf = addLeaf(blocks[b], Type(random.below(kTypeCount)));
            m_value[leaf] = double(int(random.below(20001)) - 10000) / 100.0;
            m_enabled[leaf] = random.below(100) < 85;
            m_colour[leaf] = kPalette[random.below(8)];
            m_priority[leaf] = std::int32_t(random.below(10));
            m_sampleTime[leaf] = kSampleTimes[random.below(5)];
            m_mode[leaf] = std::uint8_t(random.below(3));
            if (random.below(2) && shape.leaves > 1)
                m_link[leaf] = random.below(shape.leaves);
        }
    }
}

std::uint32_t ObjectStore::addNode(std::uint32_t parent, bool block)
{
    const std::uint32_t id = nodeCount();
    m_nodes.push_back(Node { parent, block, {}, {} });
    if (parent != kNone)
        m_nodes[parent].children.push_back(id);
    return id;
}

std::uint32_t ObjectStore::addLeaf(std::uint32_t block, Type type)
{
    const std::uint32_t leaf = leafCount();
    m_owner.push_back(block);
    m_type.push_back(std::uint8_t(type));
    m_value.push_back(1.0);
    m_enabled.push_back(true);
    m_colour.push_back(kPalette[7]);
    m_priority.push_back(0);
    m_sampleTime.push_back(-1.0f);
    m_mode.push_back(0);
    m_link.push_back(kNone);
    m_nodes[block].leaves.push_back(leaf);
    return leaf;
}

const char* ObjectStore::propertyName(Property property)
{
    const int i = int(property);
    return i >= 0 && i < kPropertyCount ? kPropertyNames[i] : "";
}

bool ObjectStore::propertyByName(const std::string& name, Property& property)
{
    for (int i = 0; i < kPropertyCount; ++i) {
        if (sameWord(name, kPropertyNames[i])) {
            property = Property(i);
            return true;
        }
    }
    return false;
}

const char* ObjectStore::typeName(Type type)
{
    const int i = int(type);
    return i < kTypeCount ? kTypeNames[i] : "";
}

bool ObjectStore::typeByName(const std::string& name, Type& type)
{
    for (int i = 0; i < kTypeCount; ++i) {
        if (sameWord(name, kTypeNames[i])) {
            type = Type(i);
            return true;
        }
    }
    return false;
}

const std::vector<std::string>& ObjectStore::modeNames()
{
    static const std::vector<std::string> names { "Auto", "Fixed", "Inherited" };
    return names;
}

bool ObjectStore::isBlock(std::uint32_t node) const
{
    return node < nodeCount() && m_nodes[node].block;
}

std::uint32_t ObjectStore::parentOf(std::uint32_t node) const
{
    return node < nodeCount() ? m_nodes[node].parent : kNone;
}

const std::vector<std::uint32_t>& ObjectStore::childNodes(std::uint32_t node) const
{
    static const std::vector<std::uint32_t> none;
    return node < nodeCount() ? m_nodes[node].children : none;
}

const std::vector<std::uint32_t>& ObjectStore::leavesOf(std::uint32_t block) const
{
    static const std::vector<std::uint32_t> none;
    return block < nodeCount() ? m_nodes[block].leaves : none;
}

std::vector<std::uint32_t> ObjectStore::leavesUnder(std::uint32_t node) const
{
    std::vector<std::uint32_t> out;
    if (node >= nodeCount())
        return out;
    std::vector<std::uint32_t> stack { node };
    while (!stack.empty()) {
        const Node& n = m_nodes[stack.back()];
        stack.pop_back();
        out.insert(out.end(), n.leaves.begin(), n.leaves.end());
        stack.insert(stack.end(), n.children.rbegin(), n.children.rend());
    }
    return out;
}

std::string ObjectStore::nodeName(std::uint32_t node) const
{
    if (node >= nodeCount())
        return {};
    if (node == 0)
        return "Model";
    return (m_nodes[node].block ? "Block" : "System") + std::to_string(node);
}

std::string ObjectStore::leafName(std::uint32_t leaf) const
{
    if (leaf >= leafCount())
        return {};
    return typeName(typeOf(leaf)) + std::to_string(leaf);
}

bool ObjectStore::hasProperty(Type type, Property property)
{
    switch (property) {
    case Property::Name:
    case Property::Type:
    case Property::Enabled:
    case Property::Colour:
    case Property::Priority:
        return true;
    case Property::Value:
        return type == Type::Constant || type == Type::Delay || type == Type::Gain
            || type == Type::Switch;
    case Property::SampleTime:
        return type != Type::Constant;
    case Property::Mode:
        return type == Type::Delay || type == Type::Sum || type == Type::Switch;
    case Property::Link:
        return type == Type::Scope || type == Type::Sum || type == Type::Switch;
    }
    return false;
}

std::u16string ObjectStore::text(std::uint32_t leaf, Property property) const
{
    if (leaf >= leafCount() || !hasProperty(typeOf(leaf), property))
        return {};
    switch (property) {
    case Property::Name:
        return widen(leafName(leaf));
    case Property::Type:
        return widen(typeName(typeOf(leaf)));
    case Property::Value:
        return widen(numberText(m_value[leaf]));
    case Property::Enabled:
        return m_enabled[leaf] ? u"on" : u"off";
    case Property::Colour: {
        const std::uint32_t c = m_colour[leaf];
        return widen(std::to_string(c >> 16) + ',' + std::to_string((c >> 8) & 0xFF) + ','
            + std::to_string(c & 0xFF));
    }
    case Property::Priority:
        return widen(std::to_string(m_priority[leaf]));
    case Property::SampleTime:
        return widen(numberText(double(m_sampleTime[leaf])));
    case Property::Mode:
        return widen(modeNames()[m_mode[leaf] % modeNames().size()]);
    case Property::Link:
        return m_link[leaf] < leafCount() ? widen(leafName(m_link[leaf])) : std::u16string();
    }
    return {};
}

bool ObjectStore::setText(std::uint32_t leaf, Property property, const std::u16string& value)
{
    std::string text;
    if (leaf >= leafCount() || !hasProperty(typeOf(leaf), property) || !narrow(value, text))
        return false;
    text = trimmed(text);
    switch (property) {
    case Property::Name:
        return false; // names follow the type and the object's number
    case Property::Type: {
        Type type;
        if (!typeByName(text, type))
            return false;
        m_type[leaf] = std::uint8_t(type);
        return true;
    }
    case Property::Value:
        return parseNumber(text, m_value[leaf]);
    case Property::Enabled: {
        for (const char* word : { "on", "1", "true", "checked" }) {
            if (sameWord(text, word)) {
                m_enabled[leaf] = true;
                return true;
            }
        }
        for (const char* word : { "off", "0", "false", "unchecked" }) {
            if (sameWord(text, word)) {
                m_enabled[leaf] = false;
                return true;
            }
        }
        return false;
    }
    case Property::Colour: {
        std::uint32_t packed = 0;
        std::size_t start = 0;
        for (int part = 0; part < 3; ++part) {
            const std::size_t comma = text.find(',', start);
            if ((part < 2) != (comma != std::string::npos))
                return false;
            long long component = 0;
            if (!parseInteger(text.substr(start, comma - start), 0, 255, component))
                return false;
            packed = (packed << 8) | std::uint32_t(component);
            start = comma + 1;
        }
        m_colour[leaf] = packed;
        return true;
    }
    case Property::Priority: {
        long long priority = 0;
        if (!parseInteger(text, std::numeric_limits<std::int32_t>::min(),
                std::numeric_limits<std::int32_t>::max(), priority))
            return false;
        m_priority[leaf] = std::int32_t(priority);
        return true;
    }
    case Property::SampleTime: {
        double seconds = 0;
        if (!parseNumber(text, seconds) || (seconds < 0 && seconds != -1.0) || seconds > 1e9)
            return false;
        m_sampleTime[leaf] = float(seconds);
        return true;
    }
    case Property::Mode:
        for (std::size_t i = 0; i < modeNames().size(); ++i) {
            if (sameWord(text, modeNames()[i].c_str())) {
                m_mode[leaf] = std::uint8_t(i);
                return true;
            }
        }
        return false;
    case Property::Link: {
        if (text.empty()) {
            m_link[leaf] = kNone;
            return true;
        }
        std::uint32_t target;
        if (!leafOf(find(text), target) || target == leaf)
            return false;
        m_link[leaf] = target;
        return true;
    }
    }
    return false;
}

std::uint32_t ObjectStore::createLeaf(std::uint32_t block, Type type)
{
    if (!isBlock(block) || leafCount() >= m_leafCapacity || int(type) >= kTypeCount)
        return kNone;
    return addLeaf(block, type);
}

std::vector<std::uint32_t> ObjectStore::ranks(
    const std::vector<std::uint32_t>& leaves, Property property) const
{
    constexpr std::uint64_t kMissing = std::numeric_limits<std::uint64_t>::max();
    // (key, position): equal keys keep their listing order.
    std::vector<std::pair<std::uint64_t, std::uint32_t>> keyed(leaves.size());
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        const std::uint32_t leaf = leaves[i];
        std::uint64_t key = kMissing;
        if (leaf < leafCount() && hasProperty(typeOf(leaf), property)) {
            switch (property) {
            case Property::Name:
                key = (std::uint64_t(m_type[leaf]) << 32) | leaf;
                break;
            case Property::Type:
                key = m_type[leaf];
                break;
            case Property::Value:
                key = orderedBits(m_value[leaf]) - 1;
                break;
            case Property::Enabled:
                key = m_enabled[leaf] ? 1 : 0;
                break;
            case Property::Colour:
                key = m_colour[leaf];
                break;
            case Property::Priority:
                key = std::uint32_t(m_priority[leaf]) ^ 0x80000000u;
                break;
            case Property::SampleTime:
                key = orderedBits(double(m_sampleTime[leaf])) - 1;
                break;
            case Property::Mode:
                key = m_mode[leaf];
                break;
            case Property::Link:
                if (m_link[leaf] < leafCount())
                    key = (std::uint64_t(m_type[m_link[leaf]]) << 32) | m_link[leaf];
                break;
            }
        }
        keyed[i] = { key, std::uint32_t(i) };
    }
    std::sort(keyed.begin(), keyed.end());
    std::vector<std::uint32_t> rank(leaves.size());
    for (std::size_t r = 0; r < keyed.size(); ++r)
        rank[keyed[r].second] = std::uint32_t(r);
    return rank;
}

UDInterface* ObjectStore::nodeHandle(std::uint32_t node) const
{
    if (node >= nodeCount())
        return nullptr;
    return reinterpret_cast<UDInterface*>(m_handles.get() + node);
}

UDInterface* ObjectStore::leafHandle(std::uint32_t leaf) const
{
    if (leaf >= leafCount())
        return nullptr;
    return reinterpret_cast<UDInterface*>(m_handles.get() + m_nodeCapacity + leaf);
}

bool ObjectStore::nodeOf(const UDInterface* handle, std::uint32_t& node) const
{
    const auto at = reinterpret_cast<std::uintptr_t>(handle);
    const auto base = reinterpret_cast<std::uintptr_t>(m_handles.get());
    if (!handle || at < base || at - base >= nodeCount())
        return false;
    node = std::uint32_t(at - base);
    return true;
}

bool ObjectStore::leafOf(const UDInterface* handle, std::uint32_t& leaf) const
{
    const auto at = reinterpret_cast<std::uintptr_t>(handle);
    const auto base = reinterpret_cast<std::uintptr_t>(m_handles.get()) + m_nodeCapacity;
    if (!handle || at < base || at - base >= leafCount())
        return false;
    leaf = std::uint32_t(at - base);
    return true;
}

UDInterface* ObjectStore::find(const std::string& name) const
{
    if (name == "Model")
        return nodeHandle(0);
    std::string prefix;
    std::uint32_t number = 0;
    if (!splitName(name, prefix, number))
        return nullptr;
    if (prefix == "System" || prefix == "Block") {
        if (number == 0 || number >= nodeCount() || m_nodes[number].block != (prefix == "Block"))
            return nullptr;
        return nodeHandle(number);
    }
    if (number >= leafCount() || prefix != typeName(typeOf(number)))
        return nullptr;
    return leafHandle(number);
}

std::string ObjectStore::nameOf(const UDInterface* handle) const
{
    std::uint32_t id;
    if (nodeOf(handle, id))
        return nodeName(id);
    if (leafOf(handle, id))
        return leafName(id);
    return {};
}

std::size_t ObjectStore::memoryBytes() const
{
    std::size_t bytes = std::size_t(m_nodeCapacity) + m_leafCapacity;
    bytes += m_owner.capacity() * 4 + m_type.capacity() + m_value.capacity() * 8
        + m_enabled.capacity() / 8 + m_colour.capacity() * 4 + m_priority.capacity() * 4
        + m_sampleTime.capacity() * 4 + m_mode.capacity() + m_link.capacity() * 4;
    for (const Node& node : m_nodes)
        bytes += sizeof(Node) + (node.children.capacity() + node.leaves.capacity()) * 4;
    return bytes;
}
