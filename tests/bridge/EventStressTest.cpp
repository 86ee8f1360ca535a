#include "engine/VXButton.h"
#include "engine/VXEvent.h"
#include "engine/VXListener.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"

#include <gtest/gtest.h>

#include <array>
#include <atomic>
#include <map>
#include <memory>
#include <set>
#include <thread>
#include <vector>

namespace {

constexpr int kProxies = 1000;
constexpr int kEvents = 100000;
constexpr int kBatch = 1000;

// Engine thread: records per proxy id the values delivered, and catches deliveries to ids
// already deleted.
class StressListener : public VXListener {
public:
    void handleEvent(const VXEvent* event) override
    {
        if (deleted.count(event->getWidgetUID()))
            ++deliveredAfterDeletion;
        delivered[event->getWidgetUID()].push_back(event->getValue());
    }

    std::map<unsigned, std::vector<int>> delivered;
    std::set<unsigned> deleted;
    int deliveredAfterDeletion = 0;
};

TEST(EventStressTest, EveryEventForALiveProxyArrivesOnceAndInOrder)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    while (vxtest::runEngineCommands() > 0) { }

    StressListener listener;
    std::vector<std::unique_ptr<VXButton>> proxies(kProxies);
    std::array<std::atomic<VXWidget*>, kProxies> slots;
    auto create = [&](int i) {
        proxies[i] = std::make_unique<VXButton>(nullptr);
        proxies[i]->addEventListener(&listener, ButtonPressEvent);
        slots[i] = proxies[i].get();
    };
    for (int i = 0; i < kProxies; ++i)
        create(i);

    // GUI thread only while raising; read by the engine thread after the raiser has joined.
    std::map<unsigned, std::vector<int>> raised;
    std::atomic<bool> raising { true };
    std::thread raiser([&] {
        for (int start = 0; start < kEvents; start += kBatch) {
            vxtest::runOnGuiThread([&] {
                for (int n = start; n < start + kBatch; ++n) {
                    auto* event = new VXEvent(ButtonPressEvent, slots[n % kProxies].load());
                    event->setValue(n);
                    if (event->isValid())
                        raised[event->getWidgetUID()].push_back(n);
                    event->doEvent();
                }
            });
        }
        raising = false;
    });

    // Meanwhile: replace a proxy now and then and serve the queue.
    unsigned step = 0;
    while (raising) {
        const int victim = static_cast<int>((step++ * 7919u) % kProxies);
        listener.deleted.insert(proxies[victim]->getUID());
        slots[victim] = nullptr;
        proxies[victim].reset();
        create(victim);
        vxtest::runEngineCommands();
    }
    raiser.join();
    while (vxtest::runEngineCommands() > 0) { }
    VXEvent::processPendingEvents();

    EXPECT_EQ(listener.deliveredAfterDeletion, 0);
    EXPECT_GT(step, 0u);
    std::size_t total = 0;
    for (const auto& entry : raised) {
        const std::vector<int>& sent = entry.second;
        const auto it = listener.delivered.find(entry.first);
        const std::vector<int> got
            = it == listener.delivered.end() ? std::vector<int>() : it->second;
        total += got.size();
        if (listener.deleted.count(entry.first)) {
            // Delivered up to the deletion, then dropped: a prefix of what was raised.
            ASSERT_LE(got.size(), sent.size());
            EXPECT_TRUE(std::equal(got.begin(), got.end(), sent.begin()))
                << "proxy " << entry.first;
        } else {
            EXPECT_EQ(got, sent) << "proxy " << entry.first;
        }
    }
    for (const auto& entry : listener.delivered)
        EXPECT_TRUE(raised.count(entry.first)) << "delivered but never raised: " << entry.first;
    EXPECT_GT(total, static_cast<std::size_t>(kEvents / 2));
    for (auto& proxy : proxies)
        proxy.reset();
}

} // namespace
