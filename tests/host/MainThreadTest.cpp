#include "engine/HostFunctions.h"
#include "host/MainThreadQueue.h"

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// Static initialisation runs on the process's main thread, before runHost.
const std::thread::id processMainThread = std::this_thread::get_id();

// What the main-thread requests of one test saw.
struct Log {
    struct Entry {
        int poster;
        int sequence;
        std::thread::id thread;
    };
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<Entry> entries;

    void add(int poster, int sequence)
    {
        // Notified under the lock: the waiting test may end, destroying the log, once it wakes.
        std::lock_guard<std::mutex> lock(mutex);
        entries.push_back({ poster, sequence, std::this_thread::get_id() });
        changed.notify_all();
    }
    bool waitFor(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(mutex);
        return changed.wait_for(
            lock, std::chrono::seconds(10), [&] { return entries.size() >= count; });
    }
};

struct Request {
    Log* log;
    int poster;
    int sequence;
};

void record(void* argument)
{
    auto* request = static_cast<Request*>(argument);
    request->log->add(request->poster, request->sequence);
}

TEST(MainThread, RequestsFromSeveralThreadsRunOnTheMainThreadInTheOrderEachMadeThem)
{
    ASSERT_NE(std::this_thread::get_id(), processMainThread) << "tests must run as the engine";
    constexpr int posters = 4;
    constexpr int perPoster = 200;
    Log log;
    std::vector<std::vector<Request>> requests(posters);
    for (int p = 0; p < posters; ++p)
        for (int i = 0; i < perPoster; ++i)
            requests[p].push_back({ &log, p, i });

    std::vector<std::thread> threads;
    for (int p = 1; p < posters; ++p)
        threads.emplace_back([&, p] {
            for (Request& request : requests[p])
                zcr_run_on_main_thread(record, &request);
        });
    for (Request& request : requests[0])
        zcr_run_on_main_thread(record, &request);
    for (auto& thread : threads)
        thread.join();

    ASSERT_TRUE(log.waitFor(posters * perPoster));
    std::lock_guard<std::mutex> lock(log.mutex);
    std::vector<int> next(posters, 0);
    for (const auto& entry : log.entries) {
        EXPECT_EQ(entry.thread, processMainThread);
        EXPECT_EQ(entry.sequence, next[entry.poster]) << "poster " << entry.poster;
        next[entry.poster] = entry.sequence + 1;
    }
    EXPECT_EQ(VXHost::MainThreadQueue::instance().servingThread(), processMainThread);
}

TEST(MainThread, ARequestMadeWhileOneRunsWaitsForItAndAThrowingOneDoesNotStopTheQueue)
{
    Log log;
    Request inner { &log, 0, 2 };
    Request outer { &log, 0, 1 };
    auto& queue = VXHost::MainThreadQueue::instance();
    ASSERT_TRUE(queue.post([&] { throw std::runtime_error("request failure"); }));
    ASSERT_TRUE(queue.post([&] {
        zcr_run_on_main_thread(record, &inner);
        record(&outer);
    }));
    zcr_run_on_main_thread(nullptr, &outer); // ignored

    ASSERT_TRUE(log.waitFor(2));
    std::lock_guard<std::mutex> lock(log.mutex);
    ASSERT_EQ(log.entries.size(), 2u);
    EXPECT_EQ(log.entries[0].sequence, 1);
    EXPECT_EQ(log.entries[1].sequence, 2);
    EXPECT_FALSE(queue.post(nullptr));
}

} // namespace
