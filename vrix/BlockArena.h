#pragma once

#include <cstddef>

namespace VRIX {

/// Storage for things made by the million on one thread and freed together later, possibly on
/// another thread: the records of a long list a host builds, the rows a list view makes of them.
/// While a `Bulk` scope lives on a thread, what that thread asks for is cut from 32 KB blocks,
/// and a block goes back to the heap when the last piece in it is released (on any thread): a
/// million pieces cost some five thousand allocations instead of a million, freeing them costs
/// one atomic step each, and they lie side by side for a walk. Outside a scope every piece is a
/// heap block of its own, so pieces that come and go one by one pin no blocks. Under the address
/// sanitizer every piece is a heap block, so that misuse is still reported.
class BlockArena {
public:
    BlockArena() = delete;

    /// The largest piece cut from a block; larger ones are heap blocks.
    static constexpr std::size_t MaxSize = 4096;

    /// Room for `size` bytes, aligned as a pointer is.
    static void* allocate(std::size_t size);
    /// Gives back room from `allocate`; null is accepted.
    static void release(void* pointer) noexcept;

    /// Blocks alive in the process (being cut from, or holding pieces not yet released).
    static std::size_t liveBlocks();

    /// Pieces asked for on this thread while it lives come from the blocks. Scopes nest.
    class Bulk {
    public:
        Bulk();
        ~Bulk();
        Bulk(const Bulk&) = delete;
        Bulk& operator=(const Bulk&) = delete;
    };
};

} // namespace VRIX
