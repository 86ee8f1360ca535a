#include "vx_qtgui/modelexplorer/itemmodels/RowArena.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

#if defined(__SANITIZE_ADDRESS__)
#define VX_ROW_ARENA_PLAIN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define VX_ROW_ARENA_PLAIN 1
#endif
#endif

namespace {

constexpr std::size_t kBlockSize = 32 * 1024;
constexpr std::size_t kAlign = 16;

struct alignas(kAlign) Block {
    // Bytes of pieces not yet released plus bytes the cutting thread may still cut (counted up
    // front, so cutting costs no atomic operation).
    std::atomic<std::size_t> pending;
};

// Before each piece: its block (null for a heap piece) and its size with this prefix.
struct alignas(kAlign) Prefix {
    Block* block;
    std::size_t size;
};

void unref(Block* block, std::size_t bytes) noexcept
{
    if (bytes && block->pending.fetch_sub(bytes, std::memory_order_acq_rel) == bytes) {
        block->~Block();
        std::free(block);
    }
}

// The block the current thread cuts from, and how many Bulk scopes are open on it.
struct Cursor {
    Block* block = nullptr;
    std::size_t used = 0;
    int bulk = 0;

    ~Cursor() { retire(); }
    // Gives up the block: the room never cut is no longer pending.
    void retire() noexcept
    {
        if (block)
            unref(block, kBlockSize - used);
        block = nullptr;
    }
};

thread_local Cursor t_cursor;

} // namespace

RowArena::Bulk::Bulk()
{
    ++t_cursor.bulk;
}

RowArena::Bulk::~Bulk()
{
    --t_cursor.bulk;
}

void* RowArena::allocate(std::size_t size)
{
    const std::size_t bytes = sizeof(Prefix) + ((size + kAlign - 1) & ~(kAlign - 1));
    Prefix* prefix = nullptr;
#if !defined(VX_ROW_ARENA_PLAIN)
    Cursor& cursor = t_cursor;
    if (cursor.bulk > 0 && size <= MaxSize) {
        if (!cursor.block || cursor.used + bytes > kBlockSize) {
            cursor.retire();
            void* raw = std::malloc(kBlockSize);
            if (!raw)
                throw std::bad_alloc();
            cursor.block = new (raw) Block;
            cursor.used = sizeof(Block);
            // Every byte after the header is pending until cut and released, or given up.
            cursor.block->pending.store(kBlockSize - sizeof(Block), std::memory_order_relaxed);
        }
        prefix = reinterpret_cast<Prefix*>(reinterpret_cast<char*>(cursor.block) + cursor.used);
        prefix->block = cursor.block;
        cursor.used += bytes;
    }
#endif
    if (!prefix) {
        prefix = static_cast<Prefix*>(std::malloc(bytes));
        if (!prefix)
            throw std::bad_alloc();
        prefix->block = nullptr;
    }
    prefix->size = bytes;
    return prefix + 1;
}

void RowArena::release(void* pointer) noexcept
{
    if (!pointer)
        return;
    Prefix* prefix = static_cast<Prefix*>(pointer) - 1;
    if (prefix->block)
        unref(prefix->block, prefix->size);
    else
        std::free(prefix);
}
