#include "vrix/BlockArena.h"
#include "vrix/SanitizerAnnotations.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <thread>
#include <vector>

using VRIX::BlockArena;

namespace {

std::uintptr_t address(const void* p)
{
    return reinterpret_cast<std::uintptr_t>(p);
}

// Pieces cut on a worker thread (which ends, letting its last block go) and released here, on
// this thread, in an order of the caller's choosing; the worker's marks are checked first. Under
// the sanitizers the pieces are plain heap blocks: what they check then is the hand-over.
void cutOnAWorkerReleaseHere(int count, std::size_t size, bool reverse)
{
    const std::size_t before = BlockArena::liveBlocks();
    std::vector<void*> pieces;
    std::thread([&] {
        BlockArena::Bulk bulk;
        for (int i = 0; i < count; ++i) {
            void* p = BlockArena::allocate(size);
            std::memset(p, i & 0x7f, size);
            pieces.push_back(p);
        }
    }).join();
    EXPECT_TRUE(vxHeapBlocksOnly || BlockArena::liveBlocks() > before)
        << "its pieces hold the blocks";
    for (int i = 0; i < count; ++i) {
        const auto* bytes = static_cast<const unsigned char*>(pieces[std::size_t(i)]);
        ASSERT_EQ(bytes[0], i & 0x7f) << "piece " << i;
        ASSERT_EQ(bytes[size - 1], i & 0x7f) << "piece " << i;
    }
    if (reverse)
        for (auto it = pieces.rbegin(); it != pieces.rend(); ++it)
            BlockArena::release(*it);
    else
        for (void* p : pieces)
            BlockArena::release(p);
    EXPECT_EQ(BlockArena::liveBlocks(), before);
}

TEST(BlockArenaTest, PiecesOfAScopeLieSideBySideAndOthersAreHeapBlocks)
{
    if (vxHeapBlocksOnly)
        GTEST_SKIP() << "every piece is a heap block under the address sanitizer";
    const std::size_t before = BlockArena::liveBlocks();
    // On a thread of its own, which has cut nothing before.
    std::thread([before] {
        BlockArena::Bulk bulk;
        void* a = BlockArena::allocate(100);
        void* b = BlockArena::allocate(100);
        void* large = BlockArena::allocate(BlockArena::MaxSize + 1);
        EXPECT_EQ(address(a) % alignof(void*), 0u);
        EXPECT_GT(address(b), address(a));
        EXPECT_LT(address(b) - address(a), 200u) << "cut one after the other";
        EXPECT_EQ(BlockArena::liveBlocks(), before + 1) << "a large piece takes no block";
        {
            BlockArena::Bulk nested;
        }
        void* c = BlockArena::allocate(100);
        EXPECT_EQ(BlockArena::liveBlocks(), before + 1) << "a nested scope's end keeps cutting";
        for (void* p : { a, b, c, large })
            BlockArena::release(p);
        EXPECT_EQ(BlockArena::liveBlocks(), before + 1) << "the thread still cuts from its block";
        BlockArena::release(nullptr);
    }).join();
    EXPECT_EQ(BlockArena::liveBlocks(), before) << "an ending thread lets its block go";
}

TEST(BlockArenaTest, PiecesCrossThreadsWholeAndBlocksGoBackOnceEveryPieceIsReleased)
{
    // Enough pieces for many blocks; released in the order cut and in the reverse order.
    cutOnAWorkerReleaseHere(20000, 232, false);
    cutOnAWorkerReleaseHere(20000, 48, true);
}

} // namespace
