#include "vrix/Mutex.h"

#include <gtest/gtest.h>

#include <mutex>
#include <thread>
#include <vector>

namespace {

using VRIX::Mutex;

bool lockableFromAnotherThread(Mutex& mutex)
{
    bool locked = false;
    std::thread([&] {
        locked = mutex.tryLock();
        if (locked)
            mutex.unlock();
    }).join();
    return locked;
}

TEST(Mutex, OnlyRecursiveModeLetsTheOwnerRelockAndOthersWaitUntilFullyReleased)
{
    Mutex mutex(Mutex::Recursive);
    EXPECT_TRUE(mutex.isRecursive());
    mutex.lock();
    EXPECT_TRUE(mutex.tryLock());
    mutex.unlock();
    EXPECT_FALSE(lockableFromAnotherThread(mutex));
    mutex.unlock();
    EXPECT_TRUE(lockableFromAnotherThread(mutex));

    Mutex plain; // non-recursive by default
    EXPECT_FALSE(plain.isRecursive());
    {
        std::lock_guard<Mutex> guard(plain);
        EXPECT_FALSE(lockableFromAnotherThread(plain));
    }
    EXPECT_TRUE(lockableFromAnotherThread(plain));
}

TEST(Mutex, SerialisesIncrementsFromManyThreads)
{
    for (Mutex::Mode mode : { Mutex::NonRecursive, Mutex::Recursive }) {
        Mutex mutex(mode);
        long counter = 0;
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&] {
                for (int i = 0; i < 20000; ++i) {
                    std::lock_guard<Mutex> guard(mutex);
                    ++counter;
                }
            });
        }
        for (auto& thread : threads)
            thread.join();
        EXPECT_EQ(counter, 80000);
    }
}

} // namespace
