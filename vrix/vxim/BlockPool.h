#pragma once

#include <cstddef>
#include <new>

namespace VXIM {

/// Small blocks for what one thread makes and another frees: messages, their payloads, events.
/// Left to the C library, a burst freed on the other thread can make it give the freeing
/// arena's top back to the system and take it again for the next burst, block by block; the
/// same burst then runs several times slower depending on how the process started. Here a freed
/// block goes onto one lock-free list per size; an allocating thread takes the whole list at
/// once and hands blocks out from it, lowering the shared count once per 64. At most a few
/// thousand blocks per size are kept; past that, and for larger sizes, the heap serves. Under the
/// address sanitizer every block is a heap block, so that misuse is still reported.
class BlockPool {
public:
    static constexpr std::size_t kLargest = 256;
    static constexpr std::size_t kKeptPerSize = 4096;

    static void* allocate(std::size_t size);
    static void deallocate(void* block, std::size_t size) noexcept;
    /// Blocks of `size`'s class waiting for reuse, on the shared list or in a thread's cache.
    /// Exact for the calling thread's hand-outs; another thread's lag by fewer than 64.
    static std::size_t kept(std::size_t size);
};

/// For std::allocate_shared: the shared state of a payload comes from the pool.
template <class T> struct PoolAllocator {
    using value_type = T;
    PoolAllocator() noexcept = default;
    template <class U> PoolAllocator(const PoolAllocator<U>&) noexcept { }
    T* allocate(std::size_t n) { return static_cast<T*>(BlockPool::allocate(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { BlockPool::deallocate(p, n * sizeof(T)); }
    template <class U> bool operator==(const PoolAllocator<U>&) const noexcept { return true; }
    template <class U> bool operator!=(const PoolAllocator<U>&) const noexcept { return false; }
};

} // namespace VXIM

/// Class-scope operators that take a class and its subclasses' objects from the pool.
#define VXIM_POOLED_ALLOCATION                                                                     \
    static void* operator new(std::size_t size)                                                    \
    {                                                                                              \
        return VXIM::BlockPool::allocate(size);                                                    \
    }                                                                                              \
    static void operator delete(void* block, std::size_t size) noexcept                            \
    {                                                                                              \
        VXIM::BlockPool::deallocate(block, size);                                                  \
    }
