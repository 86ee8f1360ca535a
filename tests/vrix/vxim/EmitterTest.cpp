#include "vrix/vxim/Connect.h"

#include <gtest/gtest.h>

namespace {

struct Sink : VXIM::Listener {
    ~Sink() override { disconnect(); }
    void take(int v) { values.push_back(v); }
    std::vector<int> values;
};

TEST(Emitter, QueuedPacketRunsOnlyWhenTheQueueIsProcessed)
{
    VXIM::Emitter1<int> emitter;
    Sink sink;
    VXIM::connect(emitter, &sink, &Sink::take);
    emitter(1);
    emitter(2);
    EXPECT_TRUE(sink.values.empty());
    VXIM::Thread::getCurrentThread().processCurrentQueue();
    EXPECT_EQ(sink.values, (std::vector<int> { 1, 2 }));
}

} // namespace
