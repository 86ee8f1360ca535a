#include "examples/vxdemo/explorer/ExplorerRecords.h"

#include "engine/modelexplorer/VXMEEditTypeData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "vrix/Color.h"
#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"

using Property = ObjectStore::Property;

namespace {

std::u16string widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

std::u16string escaped(const std::u16string& text)
{
    std::u16string out;
    for (char16_t c : text) {
        if (c == u'<')
            out += u"&lt;";
        else if (c == u'&')
            out += u"&amp;";
        else
            out += c;
    }
    return out;
}

} // namespace

ExplorerRecords::ExplorerRecords(const ObjectStore& store)
    : m_store(store)
{
}

VXStringList* ExplorerRecords::columnNames()
{
    auto* names = new VXStringList;
    for (int i = 0; i < ObjectStore::kPropertyCount; ++i)
        names->addElement(ObjectStore::propertyName(Property(i)));
    return names;
}

std::u16string ExplorerRecords::sortKey(std::uint32_t rank)
{
    std::u16string key(kKeyDigits, u'0');
    for (int i = kKeyDigits - 1; i >= 0 && rank; --i, rank /= 10)
        key[std::size_t(i)] = char16_t(u'0' + rank % 10);
    return key;
}

VXMEObjectMessageData* ExplorerRecords::treeNode(std::uint32_t node, int depth) const
{
    UDInterface* handle = m_store.nodeHandle(node);
    if (!handle)
        return nullptr;
    auto* record = new VXMEObjectMessageData(handle);
    record->label = widen(m_store.nodeName(node));
    if (depth > 0) {
        for (std::uint32_t child : m_store.childNodes(node))
            record->addChild(treeNode(child, depth - 1));
    }
    return record;
}

VXMEObjectMessageData* ExplorerRecords::row(
    std::uint32_t leaf, const std::u16string& key, int group) const
{
    UDInterface* handle = m_store.leafHandle(leaf);
    if (!handle)
        return nullptr;
    auto* record = new VXMEObjectMessageData(handle);
    record->label = widen(m_store.leafName(leaf));
    record->sortKey = key;
    record->groupName = groupText(leaf, group);
    record->listValues = new VXUStringList;
    record->listAttributes = new VXMEObjectMessageData::AttributeVector;
    const ObjectStore::Type type = m_store.typeOf(leaf);
    for (int i = 0; i < ObjectStore::kPropertyCount; ++i) {
        const auto property = Property(i);
        const bool has = ObjectStore::hasProperty(type, property);
        const bool link = property == Property::Link && m_store.linkOf(leaf) != ObjectStore::kNone;
        // Flags: applies, greyed, read-only, hyperlink, boolean, elide left, check box.
        VXPropertyAttribute attribute(has, false, property == Property::Name, link,
            property == Property::Enabled, false, false);
        if (property == Property::Name && !m_store.enabled(leaf))
            attribute.setStyle("italic", 1);
        if (property == Property::Colour) {
            const std::uint32_t c = m_store.colour(leaf);
            attribute.setStyle(
                "backgroundcolor", VRIX::Color::fromBytes(c >> 16, (c >> 8) & 0xFF, c & 0xFF));
        }
        if (link)
            attribute.setStyle("tooltip", "Go to the linked object");
        record->listValues->addElement(m_store.text(leaf, property));
        record->listAttributes->push_back(attribute);
    }
    return record;
}

VXMEObjectMessageData* ExplorerRecords::indexedRow(std::uint32_t leaf, UDInterface* owner,
    std::uint32_t index, const std::u16string& key, int group) const
{
    VXMEObjectMessageData* record = row(leaf, key, group);
    if (record) {
        record->owner = owner;
        record->index = index;
    }
    return record;
}

VXMEObjectMessageData* ExplorerRecords::placeholder(UDInterface* owner, std::uint32_t index,
    const std::u16string& key, const std::u16string& group) const
{
    auto* record = new VXMEObjectMessageData(nullptr);
    record->owner = owner;
    record->index = index;
    record->sortKey = key;
    record->groupName = group;
    return record;
}

std::u16string ExplorerRecords::groupText(std::uint32_t leaf, int group) const
{
    if (group < 0 || group >= ObjectStore::kPropertyCount)
        return {};
    return m_store.text(leaf, Property(group));
}

VXMEEditTypeData* ExplorerRecords::editor(Property property)
{
    auto* editor = new VXMEEditTypeData;
    switch (property) {
    case Property::Name:
        break;
    case Property::Type:
        for (int i = 0; i < ObjectStore::kTypeCount; ++i)
            editor->choices.addElement(ObjectStore::typeName(ObjectStore::Type(i)));
        break;
    case Property::Mode:
        for (const std::string& mode : ObjectStore::modeNames())
            editor->choices.addElement(mode);
        break;
    case Property::Enabled:
        editor->choices.addElement("on");
        editor->choices.addElement("off");
        break;
    default:
        editor->allowText = true;
        break;
    }
    return editor;
}

std::u16string ExplorerRecords::nodePath(std::uint32_t node) const
{
    if (node >= m_store.nodeCount())
        return {};
    std::u16string path = widen(m_store.nodeName(node));
    for (std::uint32_t n = node; n != 0;) {
        n = m_store.parentOf(n);
        path = widen(m_store.nodeName(n)) + u'/' + path;
    }
    return path;
}

std::u16string ExplorerRecords::nodePage(std::uint32_t node, std::size_t objects) const
{
    if (node >= m_store.nodeCount())
        return {};
    const std::size_t nodes = m_store.childNodes(node).size();
    std::u16string page = u"<h3>" + widen(m_store.nodeName(node))
        + u"</h3><table><tr><td>Kind</td><td>" + (m_store.isBlock(node) ? u"Block" : u"System")
        + u"</td></tr>";
    if (!m_store.isBlock(node))
        page += u"<tr><td>Holds</td><td>" + widen(std::to_string(nodes))
            + u" systems or blocks</td></tr>";
    page += u"<tr><td>Objects</td><td>" + widen(std::to_string(objects)) + u"</td></tr></table>";
    if (node != 0)
        page += u"<p>In " + widen(m_store.nodeName(m_store.parentOf(node))) + u"</p>";
    return page;
}

std::u16string ExplorerRecords::dialogPage(std::uint32_t leaf) const
{
    if (leaf >= m_store.leafCount())
        return {};
    std::u16string page = u"<h3>" + widen(m_store.leafName(leaf)) + u"</h3><table>";
    for (int i = 0; i < ObjectStore::kPropertyCount; ++i) {
        const auto property = Property(i);
        if (!ObjectStore::hasProperty(m_store.typeOf(leaf), property))
            continue;
        page += u"<tr><td>" + widen(ObjectStore::propertyName(property)) + u"</td><td>"
            + escaped(m_store.text(leaf, property)) + u"</td></tr>";
    }
    page += u"</table><p>In " + widen(m_store.nodeName(m_store.ownerOf(leaf))) + u"</p>";
    return page;
}
