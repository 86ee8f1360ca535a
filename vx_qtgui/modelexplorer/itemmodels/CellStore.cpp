#include "vx_qtgui/modelexplorer/itemmodels/CellStore.h"

#include "vrix/BlockArena.h"

#include <cstdlib>
#include <cstring>
#include <new>

CellStore::~CellStore()
{
    clear();
}

QString CellStore::text(int i) const
{
    int length = 0;
    const QChar* data = textData(i, &length);
    return length ? QString(data, length) : QString();
}

const QChar* CellStore::textData(int i, int* length) const
{
    const Cell& cell = cells()[i];
    *length = int(cell.length);
    return reinterpret_cast<const QChar*>(chars() + cell.offset);
}

const CellStyle* CellStore::style(int i) const
{
    if (!m_block || !m_block->styles)
        return nullptr;
    const CellStyle& s = (*m_block->styles)[std::size_t(i)];
    return s.isEmpty() ? nullptr : &s;
}

void CellStore::clear()
{
    if (!m_block)
        return;
    delete m_block->styles;
    VRIX::BlockArena::release(m_block);
    m_block = nullptr;
}

void CellStore::assign(const Source* sources, int count)
{
    rebuild(sources, count);
}

void CellStore::rebuild(const Source* sources, int count)
{
    if (count <= 0) {
        clear();
        return;
    }
    std::size_t chars = 0;
    bool anyStyle = false;
    for (int i = 0; i < count; ++i) {
        chars += sources[i].length;
        anyStyle = anyStyle || (sources[i].style && !sources[i].style->isEmpty());
    }
    const std::size_t bytes
        = sizeof(Header) + sizeof(Cell) * std::size_t(count) + sizeof(char16_t) * chars;
    // Beside the row while a list is filled.
    auto* block = static_cast<Header*>(VRIX::BlockArena::allocate(bytes));
    block->count = std::uint32_t(count);
    block->chars = std::uint32_t(chars);
    block->styles = nullptr;
    if (anyStyle) {
        block->styles = new std::vector<CellStyle>(std::size_t(count));
        for (int i = 0; i < count; ++i) {
            if (sources[i].style)
                (*block->styles)[std::size_t(i)] = *sources[i].style;
        }
    }
    Cell* cell = reinterpret_cast<Cell*>(block + 1);
    char16_t* out = reinterpret_cast<char16_t*>(cell + count);
    std::uint32_t offset = 0;
    for (int i = 0; i < count; ++i) {
        cell[i].offset = offset;
        cell[i].length = sources[i].length;
        cell[i].flags = sources[i].flags;
        if (sources[i].length)
            std::memcpy(out + offset, sources[i].text, sources[i].length * sizeof(char16_t));
        offset += sources[i].length;
    }
    clear();
    m_block = block;
}

void CellStore::append(const QString& text, std::uint16_t flags, const CellStyle* style)
{
    const int count = size();
    std::vector<Source> sources(std::size_t(count) + 1);
    for (int i = 0; i < count; ++i) {
        int length = 0;
        sources[std::size_t(i)].text = reinterpret_cast<const char16_t*>(textData(i, &length));
        sources[std::size_t(i)].length = std::uint32_t(length);
        sources[std::size_t(i)].flags = cells()[i].flags;
        sources[std::size_t(i)].style = this->style(i);
    }
    Source& last = sources.back();
    last.text = reinterpret_cast<const char16_t*>(text.utf16());
    last.length = std::uint32_t(text.size());
    last.flags = flags;
    last.style = style;
    rebuild(sources.data(), count + 1);
}

void CellStore::setText(int i, const QString& text)
{
    const int count = size();
    std::vector<Source> sources(static_cast<std::size_t>(count));
    for (int c = 0; c < count; ++c) {
        int length = 0;
        Source& s = sources[std::size_t(c)];
        s.text = reinterpret_cast<const char16_t*>(textData(c, &length));
        s.length = std::uint32_t(length);
        s.flags = cells()[c].flags;
        s.style = style(c);
    }
    sources[std::size_t(i)].text = reinterpret_cast<const char16_t*>(text.utf16());
    sources[std::size_t(i)].length = std::uint32_t(text.size());
    rebuild(sources.data(), count);
}

std::size_t CellStore::heapBytes() const
{
    if (!m_block)
        return 0;
    return sizeof(Header) + sizeof(Cell) * m_block->count + sizeof(char16_t) * m_block->chars;
}
