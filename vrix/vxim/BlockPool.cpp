#include "vrix/vxim/BlockPool.h"

#include "vrix/SanitizerAnnotations.h"

#include <atomic>

namespace VXIM {
namespace {

constexpr std::size_t kSizes[] = { 64, 128, BlockPool::kLargest };
constexpr int kClasses = 3;

struct Node {
    Node* next;
};

struct SizeClass {
    std::atomic<Node*> freed { nullptr };
    // Blocks kept for reuse, on `freed` or in a thread's cache: raised before a push, lowered
    // as a thread hands blocks out (in batches, so that the line is not fought over per block).
    std::atomic<std::size_t> count { 0 };
};

// Hand-outs a thread counts before it lowers the shared count once for them.
constexpr std::size_t kOwedBatch = 64;

SizeClass* classes()
{
    // Never destroyed: threads' caches give their blocks back when the threads end.
    static SizeClass* all = new SizeClass[kClasses];
    return all;
}

int classOf(std::size_t size)
{
    for (int c = 0; c < kClasses; ++c) {
        if (size <= kSizes[c])
            return c;
    }
    return -1;
}

void push(SizeClass& sc, Node* first, Node* last)
{
    Node* head = sc.freed.load(std::memory_order_relaxed);
    do {
        last->next = head;
    } while (!sc.freed.compare_exchange_weak(
        head, first, std::memory_order_release, std::memory_order_relaxed));
}

// The blocks a thread took from the shared lists and has not handed out yet, and the hand-outs
// not yet taken off the shared count.
struct Cache {
    Node* head[kClasses] = {};
    std::size_t owed[kClasses] = {};
    ~Cache()
    {
        for (int c = 0; c < kClasses; ++c) {
            classes()[c].count.fetch_sub(owed[c], std::memory_order_relaxed);
            owed[c] = 0;
            if (!head[c])
                continue;
            // Still counted: they only go back onto the shared list.
            Node* last = head[c];
            while (last->next)
                last = last->next;
            push(classes()[c], head[c], last);
            head[c] = nullptr; // a block allocated later, in static destruction, comes anew
        }
    }
};

thread_local Cache t_cache;

} // namespace

void* BlockPool::allocate(std::size_t size)
{
#ifndef VX_ASAN
    const int c = classOf(size);
    if (c >= 0) {
        Node*& head = t_cache.head[c];
        if (!head) {
            SizeClass& sc = classes()[c];
            // Taken whole and not walked: the blocks were just written by the freeing thread,
            // and counting them would wait on each of their cache lines in turn.
            if (sc.freed.load(std::memory_order_relaxed))
                head = sc.freed.exchange(nullptr, std::memory_order_acquire);
        }
        if (Node* block = head) {
            head = block->next;
            std::size_t& owed = t_cache.owed[c];
            if (++owed == kOwedBatch) {
                classes()[c].count.fetch_sub(owed, std::memory_order_relaxed);
                owed = 0;
            }
            return block;
        }
        return ::operator new(kSizes[c]);
    }
#endif
    return ::operator new(size);
}

void BlockPool::deallocate(void* block, std::size_t size) noexcept
{
    if (!block)
        return;
#ifndef VX_ASAN
    const int c = classOf(size);
    if (c >= 0) {
        SizeClass& sc = classes()[c];
        // This thread's hand-outs not yet taken off the count are not kept blocks.
        if (sc.count.fetch_add(1, std::memory_order_relaxed) - t_cache.owed[c] < kKeptPerSize) {
            auto* node = static_cast<Node*>(block);
            push(sc, node, node);
            return;
        }
        sc.count.fetch_sub(1, std::memory_order_relaxed);
        ::operator delete(block);
        return;
    }
#endif
    ::operator delete(block, size);
}

std::size_t BlockPool::kept(std::size_t size)
{
    const int c = classOf(size);
    return c < 0 ? 0 : classes()[c].count.load(std::memory_order_relaxed) - t_cache.owed[c];
}

} // namespace VXIM
