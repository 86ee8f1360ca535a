#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "vrix/BlockArena.h"
#include "vx_qtgui/modelexplorer/itemmodels/CellStore.h"

#include <QColor>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <string>
#include <vector>

class QPixmap;
class QStringMatcher;

/// One row of the explorer's list or tree: the invisible root, a group row, an object row, an
/// index (placeholder) row or a complete row of plain strings. Owns its children. GUI thread.
class ListItem {
public:
    enum CellFlag : std::uint16_t {
        CellValid = 0x0001,
        CellGreyed = 0x0002,
        CellReadOnly = 0x0004,
        CellHyperlink = 0x0008,
        CellBoolean = 0x0010,
        CellElideLeft = 0x0020,
        CellHasCheckState = 0x0040,
        CellChecked = 0x0100,
        CellPartial = 0x0200,
        CellIconAlign = 0x0400,
        CellBold = 0x0800,
        CellItalic = 0x1000,
        CellFlagMask = 0x1fff,
    };

    /// Display attributes of one cell.
    struct ItemAttribute {
        QString icon;
        QString tooltip;
        QString color;
        QString backgroundcolor;
        std::uint16_t flags = CellValid;

        friend bool operator==(const ItemAttribute& a, const ItemAttribute& b)
        {
            return a.flags == b.flags && a.icon == b.icon && a.tooltip == b.tooltip
                && a.color == b.color && a.backgroundcolor == b.backgroundcolor;
        }
        friend bool operator!=(const ItemAttribute& a, const ItemAttribute& b) { return !(a == b); }
    };

    /// An object row, appended to `parent` or inserted right after `after` (at the front when
    /// `after` is not one of its children).
    ListItem(UDInterface* object, bool itemFlag, const QString& iconPath, const QString& sortKey,
        ListItem* parent, ListItem* after = nullptr);
    /// An index row: the placeholder of row `uid` of `owner`'s incrementally loaded list.
    ListItem(unsigned uid, UDInterface* owner, const QString& sortKey, ListItem* parent);
    /// The same with the key's text packed in the row's own room until it is first read
    /// (`key()`): a million placeholders are not a million strings.
    static ListItem* newIndexRow(
        unsigned uid, UDInterface* owner, const std::u16string& sortKey, ListItem* parent);
    /// A complete row of plain strings (never fetched); with an icon path column 0 is empty.
    ListItem(const QStringList& values, const QString& iconPath, ListItem* parent);
    /// A group row showing `text`, appended to `parent`.
    ListItem(const QString& text, const ItemAttribute& attribute, ListItem* parent);
    // Rows of a list being filled come from the block arena: a long list is not a million heap
    // blocks.
    static void* operator new(std::size_t size) { return VRIX::BlockArena::allocate(size); }
    static void operator delete(void* pointer) noexcept { VRIX::BlockArena::release(pointer); }

    ListItem(const ListItem&) = delete;
    ListItem& operator=(const ListItem&) = delete;
    ~ListItem();

    /// Same object, flag, icon path, sort key and cells (texts and attributes): the tree updates
    /// a node only when a scratch item built from the host's record differs from it.
    bool operator==(const ListItem& other) const;
    bool operator!=(const ListItem& other) const { return !(*this == other); }

    /// The item's answer for a cell; an invalid value outside the row's cells (except role 259).
    QVariant data(int column, int role) const;

    /// The row's sort key, made a string on first read when it was packed.
    const QString& key() const;
    /// Replaces the sort key (and any packed one).
    void setSortKey(const QString& key);

    // Cells.
    int valueCount() const { return m_cells.size(); }
    QString text(int column) const;
    ItemAttribute attribute(int column) const;
    std::uint16_t cellFlags(int column) const;
    void appendValue(const QString& text, const ItemAttribute& attribute);
    void setValues(const CellStore::Source* sources, int count) { m_cells.assign(sources, count); }
    void setText(int column, const QString& text);
    /// The edit text (role 2) of a cell; empty outside the row.
    QString editText(int column) const;
    /// Whether the edit text of `column` contains the matcher's pattern (no copy of the text).
    bool editTextContains(int column, const QStringMatcher& matcher) const;
    const CellStore& cells() const { return m_cells; }

    // Tree.
    ListItem* parent() const { return m_parent; }
    int childCount() const { return m_children ? int(m_children->size()) : 0; }
    bool hasChildren() const { return childCount() > 0; }
    ListItem* child(int row) const;
    /// Position among the parent's children (0 for the root).
    int row() const;
    int indexOfChild(const ListItem* child) const;
    /// Detaches `child` (not deleted); false when it is not a child.
    bool takeChild(ListItem* child);
    /// Detaches every child at once, in order.
    std::vector<ListItem*> takeChildren();
    /// Adopts `child` at `row` (appended when out of range).
    void insertChild(int row, ListItem* child);
    /// Makes room for `count` more children.
    void reserveChildren(int count);
    const std::vector<ListItem*>* children() const { return m_children; }

    /// Empties the cells and clears `filterMatched`, `requested` and `stale`.
    void clear();
    /// Clears `requested` and `stale` only.
    void clearForUpdate();

    // Drag and drop state.
    void setDropStatus(int status);
    void setAcceptedActions(unsigned actions);
    void clearAcceptedActions();
    void clearDropStatus() { dropStatus = 0; }

    /// "r,g,b[,a]": a missing or malformed part counts as 255.
    static QColor stringToColor(const QString& text);
    /// The process's one pixmap for `path`; null for an empty path or one that does not load.
    static const QPixmap* pixmapForPath(const QString& path);
    /// Display scale icon size of the row (its pixmap's, or the default icon square).
    QSize getIconSize() const;
    int getIconWidth() const;

    UDInterface* object = nullptr;
    UDInterface* uidOwner = nullptr;
    const QPixmap* pixmap = nullptr;
    QString iconPath;
    QRgb colorRgb = 0;
    unsigned uid = 0;
    unsigned acceptedActions = 0;
    /// Slot of this row's prepared sort key in a proxy's cache.
    mutable std::uint32_t sortSlot = 0xffffffffu;
    std::int16_t displayColumn = -1;
    std::uint8_t dropStatus = 0;
    bool itemFlag : 1;
    bool requested : 1;
    bool stale : 1;
    bool complete : 1;
    bool noDisplayColumn : 1;
    bool fakeSelected : 1;
    bool filterMatched : 1;
    bool colorValid : 1;
    // Bookkeeping of the owning model.
    bool onPendingList : 1;
    bool onRecycleList : 1;

    QColor color() const { return colorValid ? QColor::fromRgba(colorRgb) : QColor(); }
    void setColor(const QColor& c);

private:
    void attachTo(ListItem* parent, ListItem* after, bool append);
    void initFlags();

    // The sort key once it is a string (made from the packed key on first read).
    mutable QString m_sortKey;
    // An index row's key until first read: its length, then its UTF-16 units, right after the
    // row in the same room.
    mutable const std::uint32_t* m_packedKey = nullptr;
    ListItem* m_parent = nullptr;
    std::vector<ListItem*>* m_children = nullptr;
    mutable std::uint32_t m_rowHint = 0;
    CellStore m_cells;
};
