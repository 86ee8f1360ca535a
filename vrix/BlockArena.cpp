#include "vrix/BlockArena.h"

#include "vrix/SanitizerAnnotations.h"

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr std::size_t kBlockSize = 32 * 1024;
constexpr std::size_t kAlign = alignof(void*);
// Counted as pending while the block is still being cut: cutting then costs no atomic operation,
// and the count falls to zero only once the cutting thread has given the block up.
constexpr std::size_t kCutting = std::size_t(1) << 40;

struct Block {
    // Pieces not yet released, plus kCutting while a thread cuts from the block.
    std::atomic<std::size_t> pending;
};

// Before each piece: its block, or null for a heap piece.
struct Prefix {
    Block* block;
};
static_assert(sizeof(Prefix) % kAlign == 0, "pieces stay aligned");
static_assert(sizeof(Block) % kAlign == 0, "pieces stay aligned");

std::atomic<std::size_t> g_liveBlocks { 0 };

void unref(Block* block, std::size_t pieces) noexcept
{
    if (block->pending.fetch_sub(pieces, std::memory_order_acq_rel) == pieces) {
        block->~Block();
        std::free(block);
        g_liveBlocks.fetch_sub(1, std::memory_order_relaxed);
    }
}

// The block the current thread cuts from, and how many Bulk scopes are open on it.
struct Cursor {
    Block* block = nullptr;
    std::size_t used = 0;
    std::size_t cut = 0;
    int bulk = 0;

    ~Cursor() { retire(); }
    // Gives up the block: from now on only its pieces keep it.
    void retire() noexcept
    {
        if (block)
            unref(block, kCutting - cut);
        block = nullptr;
    }
};

thread_local Cursor t_cursor;

} // namespace

namespace VRIX {

BlockArena::Bulk::Bulk()
{
    ++t_cursor.bulk;
}

BlockArena::Bulk::~Bulk()
{
    --t_cursor.bulk;
}

void* BlockArena::allocate(std::size_t size)
{
    const std::size_t bytes = sizeof(Prefix) + ((size + kAlign - 1) & ~(kAlign - 1));
    Prefix* prefix = nullptr;
#if !defined(VX_ASAN)
    Cursor& cursor = t_cursor;
    if (cursor.bulk > 0 && size <= MaxSize) {
        if (!cursor.block || cursor.used + bytes > kBlockSize) {
            cursor.retire();
            void* raw = std::malloc(kBlockSize);
            if (!raw)
                throw std::bad_alloc();
            g_liveBlocks.fetch_add(1, std::memory_order_relaxed);
            cursor.block = new (raw) Block;
            cursor.block->pending.store(kCutting, std::memory_order_relaxed);
            cursor.used = sizeof(Block);
            cursor.cut = 0;
        }
        prefix = reinterpret_cast<Prefix*>(reinterpret_cast<char*>(cursor.block) + cursor.used);
        prefix->block = cursor.block;
        cursor.used += bytes;
        ++cursor.cut;
    }
#endif
    if (!prefix) {
        prefix = static_cast<Prefix*>(std::malloc(bytes));
        if (!prefix)
            throw std::bad_alloc();
        prefix->block = nullptr;
    }
    return prefix + 1;
}

void BlockArena::release(void* pointer) noexcept
{
    if (!pointer)
        return;
    Prefix* prefix = static_cast<Prefix*>(pointer) - 1;
    if (prefix->block)
        unref(prefix->block, 1);
    else
        std::free(prefix);
}

std::size_t BlockArena::liveBlocks()
{
    return g_liveBlocks.load(std::memory_order_relaxed);
}

} // namespace VRIX
