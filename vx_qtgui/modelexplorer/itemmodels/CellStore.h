#pragma once

#include "vx_qtgui/modelexplorer/itemmodels/CellStyle.h"

#include <QString>

#include <cstdint>
#include <vector>

/// The cells of one list row packed into a single block (of the block arena): per cell its text,
/// its 16 flag bits and, only when some cell has them, its style texts. A million rows cost one
/// allocation each instead of one per cell. GUI thread.
class CellStore {
public:
    /// One cell handed to `assign`.
    struct Source {
        const char16_t* text = nullptr;
        std::uint32_t length = 0;
        std::uint16_t flags = 0;
        const CellStyle* style = nullptr; // null or empty: no style
    };

    CellStore() = default;
    CellStore(const CellStore&) = delete;
    CellStore& operator=(const CellStore&) = delete;
    ~CellStore();

    int size() const { return m_block ? int(m_block->count) : 0; }
    bool isEmpty() const { return size() == 0; }

    /// Column `i` must be within `size()`.
    QString text(int i) const;
    const QChar* textData(int i, int* length) const;
    std::uint16_t flags(int i) const { return cells()[i].flags; }
    void setFlags(int i, std::uint16_t flags) { cells()[i].flags = flags; }
    /// Null when the cell has no style.
    const CellStyle* style(int i) const;

    /// Replaces every cell at once (one allocation).
    void assign(const Source* sources, int count);
    void append(const QString& text, std::uint16_t flags, const CellStyle* style);
    void setText(int i, const QString& text);
    void clear();

    /// Heap bytes held (for memory figures).
    std::size_t heapBytes() const;

private:
    struct Cell {
        std::uint32_t offset;
        std::uint32_t length;
        std::uint16_t flags;
    };
    struct Header {
        std::uint32_t count;
        std::uint32_t chars;
        std::vector<CellStyle>* styles;
    };

    Cell* cells() const { return reinterpret_cast<Cell*>(m_block + 1); }
    const char16_t* chars() const
    {
        return reinterpret_cast<const char16_t*>(cells() + m_block->count);
    }
    // Rebuilds the block from a list of sources (the current cells may be among them).
    void rebuild(const Source* sources, int count);

    Header* m_block = nullptr;
};
