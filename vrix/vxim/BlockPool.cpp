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
    // Blocks on `freed`; raised before a push, lowered when a thread takes the list.
    std::atomic<std::size_t> count { 0 };
};

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

// The blocks a thread took from the shared lists and has not handed out yet.
struct Cache {
    Node* head[kClasses] = {};
    ~Cache()
    {
        for (int c = 0; c < kClasses; ++c) {
            if (!head[c])
                continue;
            std::size_t n = 1;
            Node* last = head[c];
            for (; last->next; last = last->next)
                ++n;
            classes()[c].count.fetch_add(n, std::memory_order_relaxed);
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
            if (sc.freed.load(std::memory_order_relaxed)) {
                head = sc.freed.exchange(nullptr, std::memory_order_acquire);
                std::size_t n = 0;
                for (Node* p = head; p; p = p->next)
                    ++n;
                sc.count.fetch_sub(n, std::memory_order_relaxed);
            }
        }
        if (Node* block = head) {
            head = block->next;
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
        if (sc.count.fetch_add(1, std::memory_order_relaxed) < kKeptPerSize) {
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
    return c < 0 ? 0 : classes()[c].count.load(std::memory_order_relaxed);
}

} // namespace VXIM
