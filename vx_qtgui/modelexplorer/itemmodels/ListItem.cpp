#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"

#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/GuiPixmapDB.h"
#include "vx_qtgui/GuiUtil.h"

#include <QBitArray>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QStringMatcher>
#include <QVector>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

enum Role { FlagBitsRole = 257, CursorRole = 258, SortKeyRole = 259 };

int checkStateOf(std::uint16_t flags, const QChar* text, int length, bool* has)
{
    *has = true;
    if (flags & ListItem::CellHasCheckState) {
        if (flags & ListItem::CellChecked)
            return Qt::Checked;
        return (flags & ListItem::CellPartial) ? Qt::PartiallyChecked : Qt::Unchecked;
    }
    if ((flags & ListItem::CellBoolean) && length > 0)
        return GuiUtil::isTrueStr(QString::fromRawData(text, length)) ? Qt::Checked : Qt::Unchecked;
    *has = false;
    return Qt::Unchecked;
}

} // namespace

void ListItem::initFlags()
{
    itemFlag = false;
    requested = false;
    stale = false;
    complete = false;
    noDisplayColumn = false;
    fakeSelected = false;
    filterMatched = false;
    colorValid = false;
    onPendingList = false;
    onRecycleList = false;
}

ListItem::ListItem(UDInterface* object, bool flag, const QString& iconPath, const QString& sortKey,
    ListItem* parent, ListItem* after)
    : object(object)
    , iconPath(iconPath)
    , m_sortKey(sortKey)
{
    initFlags();
    itemFlag = flag;
    pixmap = pixmapForPath(iconPath);
    attachTo(parent, after, after == nullptr);
}

const QPixmap* ListItem::pixmapForPath(const QString& path)
{
    if (path.isEmpty())
        return nullptr;
    // One pixmap per path for the process, kept like the picture table's: rows share it by address.
    // Never destroyed: pixmaps must not outlive the application at process exit.
    static auto* pixmaps = new QHash<QString, QPixmap>;
    auto it = pixmaps->find(path);
    if (it == pixmaps->end())
        it = pixmaps->insert(path, GuiUtil::GuiPixmapDB::getPixmapFromPath(path));
    return it->isNull() ? nullptr : &it.value();
}

ListItem::ListItem(unsigned uid, UDInterface* owner, const QString& sortKey, ListItem* parent)
    : uidOwner(owner)
    , uid(uid)
    , m_sortKey(sortKey)
{
    initFlags();
    attachTo(parent, nullptr, true);
}

ListItem* ListItem::newIndexRow(
    unsigned uid, UDInterface* owner, const std::u16string& sortKey, ListItem* parent)
{
    const std::size_t extra
        = sortKey.empty() ? 0 : sizeof(std::uint32_t) + sortKey.size() * sizeof(char16_t);
    void* room = VRIX::BlockArena::allocate(sizeof(ListItem) + extra);
    ListItem* item = nullptr;
    try {
        item = ::new (room) ListItem(uid, owner, QString(), nullptr);
    } catch (...) {
        VRIX::BlockArena::release(room);
        throw;
    }
    if (extra) {
        auto* packed = reinterpret_cast<std::uint32_t*>(item + 1);
        *packed = std::uint32_t(sortKey.size());
        std::memcpy(packed + 1, sortKey.data(), sortKey.size() * sizeof(char16_t));
        item->m_packedKey = packed;
    }
    item->attachTo(parent, nullptr, true);
    return item;
}

const QString& ListItem::key() const
{
    if (m_packedKey) {
        m_sortKey = QString(reinterpret_cast<const QChar*>(m_packedKey + 1), int(*m_packedKey));
        m_packedKey = nullptr; // the text stays in the row's room until the row goes
    }
    return m_sortKey;
}

void ListItem::setSortKey(const QString& key)
{
    m_packedKey = nullptr;
    m_sortKey = key;
}

ListItem::ListItem(const QStringList& values, const QString& iconPath, ListItem* parent)
    : iconPath(iconPath)
{
    initFlags();
    complete = true;
    const int extra = iconPath.isEmpty() ? 0 : 1;
    std::vector<CellStore::Source> sources(std::size_t(values.size() + extra));
    for (CellStore::Source& s : sources)
        s.flags = CellValid;
    for (int i = 0; i < values.size(); ++i) {
        CellStore::Source& s = sources[std::size_t(i + extra)];
        s.text = reinterpret_cast<const char16_t*>(values[i].utf16());
        s.length = std::uint32_t(values[i].size());
    }
    m_cells.assign(sources.data(), int(sources.size()));
    attachTo(parent, nullptr, true);
}

ListItem::ListItem(const QString& text, const ItemAttribute& attribute, ListItem* parent)
{
    initFlags();
    appendValue(text, attribute);
    attachTo(parent, nullptr, true);
}

ListItem::~ListItem()
{
    if (m_children) {
        for (ListItem* c : *m_children)
            delete c;
        delete m_children;
    }
}

void ListItem::attachTo(ListItem* parent, ListItem* after, bool append)
{
    if (!parent)
        return;
    int at = append ? parent->childCount() : parent->indexOfChild(after) + 1;
    parent->insertChild(at, this);
}

ListItem* ListItem::child(int row) const
{
    if (!m_children || row < 0 || row >= int(m_children->size()))
        return nullptr;
    return (*m_children)[std::size_t(row)];
}

int ListItem::row() const
{
    if (!m_parent)
        return 0;
    const std::vector<ListItem*>& siblings = *m_parent->m_children;
    if (m_rowHint < siblings.size() && siblings[m_rowHint] == this)
        return int(m_rowHint);
    // Renumber every sibling once: later look-ups are direct again.
    for (std::size_t i = 0; i < siblings.size(); ++i)
        siblings[i]->m_rowHint = std::uint32_t(i);
    return int(m_rowHint);
}

int ListItem::indexOfChild(const ListItem* c) const
{
    if (!c || c->m_parent != this)
        return -1;
    return c->row();
}

bool ListItem::takeChild(ListItem* c)
{
    const int at = indexOfChild(c);
    if (at < 0)
        return false;
    m_children->erase(m_children->begin() + at);
    c->m_parent = nullptr;
    return true;
}

std::vector<ListItem*> ListItem::takeChildren()
{
    std::vector<ListItem*> taken;
    if (m_children)
        taken.swap(*m_children);
    for (ListItem* c : taken)
        c->m_parent = nullptr;
    return taken;
}

void ListItem::insertChild(int at, ListItem* c)
{
    if (!m_children)
        m_children = new std::vector<ListItem*>;
    if (at < 0 || at >= int(m_children->size())) {
        at = int(m_children->size());
        m_children->push_back(c);
    } else {
        m_children->insert(m_children->begin() + at, c);
    }
    c->m_parent = this;
    c->m_rowHint = std::uint32_t(at);
}

void ListItem::reserveChildren(int count)
{
    if (count <= 0)
        return;
    if (!m_children)
        m_children = new std::vector<ListItem*>;
    // Still growing geometrically: many short batches do not reallocate each time.
    const std::size_t wanted = m_children->size() + std::size_t(count);
    if (wanted > m_children->capacity())
        m_children->reserve(std::max(wanted, 2 * m_children->capacity()));
}

bool ListItem::operator==(const ListItem& other) const
{
    if (object != other.object || itemFlag != other.itemFlag || iconPath != other.iconPath
        || key() != other.key() || valueCount() != other.valueCount())
        return false;
    for (int c = 0; c < valueCount(); ++c) {
        if (text(c) != other.text(c) || attribute(c) != other.attribute(c))
            return false;
    }
    return true;
}

QString ListItem::text(int column) const
{
    return column >= 0 && column < m_cells.size() ? m_cells.text(column) : QString();
}

std::uint16_t ListItem::cellFlags(int column) const
{
    return column >= 0 && column < m_cells.size() ? m_cells.flags(column) : 0;
}

ListItem::ItemAttribute ListItem::attribute(int column) const
{
    ItemAttribute a;
    if (column < 0 || column >= m_cells.size()) {
        a.flags = 0;
        return a;
    }
    a.flags = m_cells.flags(column);
    if (const CellStyle* s = m_cells.style(column)) {
        a.icon = s->icon;
        a.tooltip = s->tooltip;
        a.color = s->color;
        a.backgroundcolor = s->backgroundcolor;
    }
    return a;
}

void ListItem::appendValue(const QString& text, const ItemAttribute& a)
{
    const CellStyle style { a.icon, a.tooltip, a.color, a.backgroundcolor };
    m_cells.append(text, a.flags, &style);
}

void ListItem::setText(int column, const QString& text)
{
    if (column >= 0 && column < m_cells.size())
        m_cells.setText(column, text);
}

void ListItem::clear()
{
    m_cells.clear();
    filterMatched = false;
    requested = false;
    stale = false;
}

void ListItem::clearForUpdate()
{
    requested = false;
    stale = false;
}

void ListItem::setColor(const QColor& c)
{
    colorValid = c.isValid();
    colorRgb = colorValid ? c.rgba() : 0;
}

void ListItem::setDropStatus(int status)
{
    if (status == 0 || dropStatus == 0 || dropStatus == 4)
        dropStatus = std::uint8_t(status);
}

void ListItem::setAcceptedActions(unsigned actions)
{
    acceptedActions = actions;
    if (dropStatus == 0 || dropStatus == 4)
        dropStatus = 3;
}

void ListItem::clearAcceptedActions()
{
    acceptedActions = 0;
    dropStatus = 0;
}

QColor ListItem::stringToColor(const QString& text)
{
    const QVector<QStringRef> parts = text.splitRef(QLatin1Char(','), Qt::KeepEmptyParts);
    int rgba[4] = { 255, 255, 255, 255 };
    for (int i = 0; i < 4 && i < parts.size(); ++i) {
        bool ok = false;
        const int v = parts[i].toInt(&ok, 10);
        if (ok)
            rgba[i] = std::clamp(v, 0, 255);
    }
    return QColor(rgba[0], rgba[1], rgba[2], rgba[3]);
}

QSize ListItem::getIconSize() const
{
    if (pixmap) {
        const double ratio = pixmap->devicePixelRatio() > 0 ? pixmap->devicePixelRatio() : 1.0;
        return QSize(
            int(std::lround(pixmap->width() / ratio)), int(std::lround(pixmap->height() / ratio)));
    }
    const int edge = int(std::lround(16 * VRIX::dpiScale()));
    return QSize(edge, edge);
}

int ListItem::getIconWidth() const
{
    return getIconSize().width();
}

QString ListItem::editText(int column) const
{
    if (column < 0 || column >= m_cells.size())
        return QString();
    int source = column;
    if (complete && !noDisplayColumn && displayColumn >= 0 && displayColumn < m_cells.size())
        source = displayColumn;
    const std::uint16_t flags = m_cells.flags(column);
    int length = 0;
    const QChar* text = m_cells.textData(source, &length);
    if ((flags & CellBoolean) && (flags & CellValid)) {
        if (length)
            return QString(text, length);
        bool has = false;
        const int state = checkStateOf(flags, text, length, &has);
        return QLatin1String(state == Qt::Checked ? GuiConstants::OnText : GuiConstants::OffText);
    }
    if ((flags & CellBoolean) && !(flags & CellHasCheckState))
        return QString();
    return QString(text, length);
}

bool ListItem::editTextContains(int column, const QStringMatcher& matcher) const
{
    if (column < 0 || column >= m_cells.size())
        return false;
    const std::uint16_t flags = m_cells.flags(column);
    const bool plain = !(flags & CellBoolean) && !complete;
    if (!plain) {
        const QString edit = editText(column);
        return matcher.indexIn(edit) >= 0;
    }
    int length = 0;
    const QChar* text = m_cells.textData(column, &length);
    return matcher.indexIn(text, length) >= 0;
}

QVariant ListItem::data(int column, int role) const
{
    if (role == SortKeyRole)
        return key();
    if (column < 0 || column >= m_cells.size())
        return QVariant();
    const std::uint16_t flags = m_cells.flags(column);
    switch (role) {
    case Qt::DisplayRole: {
        if ((flags & CellBoolean) && !(flags & CellHasCheckState))
            return QString();
        int source = column;
        if (complete && !noDisplayColumn && displayColumn >= 0 && displayColumn < m_cells.size())
            source = displayColumn;
        return m_cells.text(source);
    }
    case Qt::EditRole:
        return editText(column);
    case Qt::DecorationRole: {
        if (column == 0 && pixmap)
            return QIcon(*pixmap);
        const CellStyle* s = m_cells.style(column);
        if (s && !s->icon.isEmpty())
            return GuiUtil::GuiPixmapDB::getIconFromPath(s->icon);
        return QVariant();
    }
    case Qt::ToolTipRole: {
        const CellStyle* s = m_cells.style(column);
        return s ? s->tooltip : QString();
    }
    case Qt::BackgroundRole: {
        const CellStyle* s = m_cells.style(column);
        if (s && !s->backgroundcolor.isEmpty())
            return stringToColor(s->backgroundcolor);
        return colorValid ? QVariant(color()) : QVariant();
    }
    case Qt::ForegroundRole: {
        if (flags & CellHyperlink)
            return GuiConstants::StandardBlue;
        if (((flags & CellGreyed) && column > 0) || ((flags & CellReadOnly) && column >= 2))
            return GuiConstants::StandardGrey;
        const CellStyle* s = m_cells.style(column);
        if (s && !s->color.isEmpty())
            return stringToColor(s->color);
        return GuiConstants::DefaultTextColor;
    }
    case Qt::CheckStateRole: {
        int length = 0;
        const QChar* text = m_cells.textData(column, &length);
        bool has = false;
        const int state = checkStateOf(flags, text, length, &has);
        return has ? QVariant(state) : QVariant();
    }
    case FlagBitsRole: {
        QBitArray bits(16);
        for (int b = 0; b <= 12; ++b)
            bits.setBit(b, (flags >> b) & 1u);
        return bits;
    }
    case CursorRole:
        return QVariant::fromValue(
            QCursor((flags & CellHyperlink) ? Qt::PointingHandCursor : Qt::ArrowCursor));
    default:
        return QVariant();
    }
}
