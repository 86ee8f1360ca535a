#pragma once

#include <cstddef>

/// Storage of the explorer's rows (`ListItem`), their cells and packed keys. While a `Bulk` scope
/// lives on a thread, what that thread asks for is cut from 32 KB blocks, and a block goes back to
/// the heap when the last piece in it is released (on any thread): a list of a million rows costs
/// some five thousand allocations instead of two million, and its rows lie side by side for a
/// view's walk. Outside a scope every piece is a heap block of its own, so rows that come and go
/// one by one (tree nodes) pin no blocks. Under AddressSanitizer every piece is a heap block.
class RowArena {
public:
    RowArena() = delete;

    /// The largest piece cut from a block; larger ones are heap blocks.
    static constexpr std::size_t MaxSize = 4096;

    /// Room for `size` bytes, aligned as a pointer is.
    static void* allocate(std::size_t size);
    /// Gives back room from `allocate`; null is accepted.
    static void release(void* pointer) noexcept;

    /// Pieces asked for on this thread while it lives come from the blocks (a list being filled).
    class Bulk {
    public:
        Bulk();
        ~Bulk();
        Bulk(const Bulk&) = delete;
        Bulk& operator=(const Bulk&) = delete;
    };
};
