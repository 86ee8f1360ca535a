// The block pool hands freed blocks out again, across threads, and keeps only so many.
#include "vrix/vxim/BlockPool.h"
#include "vrix/SanitizerAnnotations.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <thread>
#include <vector>

using VXIM::BlockPool;

namespace {

struct Pooled {
    VXIM_POOLED_ALLOCATION
    virtual ~Pooled() = default;
    char bytes[40] = {};
};
struct Larger : Pooled {
    char more[150] = {};
};

// Each round a thread makes blocks of two sizes and ends; they are checked and freed here, and
// the next round's thread takes them from the shared list again.
TEST(BlockPoolTest, BlocksMadeOnOneThreadAndFreedOnAnotherComeBackWhole)
{
    for (int round = 0; round < 200; ++round) {
        std::vector<Pooled*> batch;
        std::thread([&batch] {
            for (int i = 0; i < 500; ++i) {
                batch.push_back(i % 3 ? new Pooled : new Larger);
                std::memset(batch.back()->bytes, i % 100, sizeof batch.back()->bytes);
            }
        }).join();
        for (int i = 0; i < 500; ++i) {
            const char mark = char(i % 100);
            ASSERT_EQ(batch[i]->bytes[0], mark) << "round " << round << ", block " << i;
            ASSERT_EQ(batch[i]->bytes[39], mark) << "round " << round << ", block " << i;
            delete batch[i];
        }
    }
}

TEST(BlockPoolTest, FreedBlocksAreReusedUpToTheLimitAndLargeOnesGoToTheHeap)
{
    if (vxHeapBlocksOnly)
        GTEST_SKIP() << "every block is a heap block under the address sanitizer";
    // Freed on another thread: the shared list, not this thread's cache, holds them.
    std::vector<void*> blocks;
    for (int i = 0; i < 100; ++i)
        blocks.push_back(BlockPool::allocate(100));
    ASSERT_EQ(BlockPool::kept(100), 0u) << "nothing else here uses this size";
    std::thread([&] {
        for (void* b : blocks)
            BlockPool::deallocate(b, 100);
    }).join();
    EXPECT_EQ(BlockPool::kept(100), 100u);
    std::set<void*> freed(blocks.begin(), blocks.end());
    int reused = 0;
    std::vector<void*> again;
    for (int i = 0; i < 100; ++i) {
        again.push_back(BlockPool::allocate(120)); // same size class
        reused += freed.count(again.back()) ? 1 : 0;
    }
    EXPECT_EQ(reused, 100);
    EXPECT_EQ(BlockPool::kept(100), 0u);

    // Past the limit a freed block goes back to the heap.
    std::vector<void*> many;
    for (std::size_t i = 0; i < BlockPool::kKeptPerSize + 50; ++i)
        many.push_back(BlockPool::allocate(64));
    for (void* b : many)
        BlockPool::deallocate(b, 64);
    EXPECT_EQ(BlockPool::kept(64), BlockPool::kKeptPerSize);
    for (void* b : again)
        BlockPool::deallocate(b, 120);

    EXPECT_EQ(BlockPool::kept(BlockPool::kLargest + 1), 0u);
    void* large = BlockPool::allocate(BlockPool::kLargest + 1);
    BlockPool::deallocate(large, BlockPool::kLargest + 1);
    EXPECT_EQ(BlockPool::kept(BlockPool::kLargest + 1), 0u);
}

// A thread that ends gives back the blocks it had taken and not handed out.
TEST(BlockPoolTest, AnEndingThreadGivesItsTakenBlocksBack)
{
    if (vxHeapBlocksOnly)
        GTEST_SKIP() << "every block is a heap block under the address sanitizer";
    std::vector<void*> blocks;
    for (int i = 0; i < 10; ++i)
        blocks.push_back(BlockPool::allocate(200));
    for (void* b : blocks)
        BlockPool::deallocate(b, 200);
    const std::size_t kept = BlockPool::kept(200);
    ASSERT_GE(kept, 10u);
    std::thread([] {
        const std::size_t before = BlockPool::kept(200);
        void* one = BlockPool::allocate(200); // takes the whole shared list
        EXPECT_EQ(BlockPool::kept(200), before - 1) << "the rest still counts as kept";
        BlockPool::deallocate(one, 200);
    }).join();
    EXPECT_EQ(BlockPool::kept(200), kept);
    // A fresh thread finds them all on the shared list again.
    std::thread([&blocks, kept] {
        std::set<void*> missing(blocks.begin(), blocks.end());
        std::vector<void*> taken;
        for (std::size_t i = 0; i < kept && !missing.empty(); ++i) {
            taken.push_back(BlockPool::allocate(200));
            missing.erase(taken.back());
        }
        EXPECT_TRUE(missing.empty()) << missing.size() << " blocks were not given back";
        for (void* b : taken)
            BlockPool::deallocate(b, 200);
    }).join();
}

} // namespace
