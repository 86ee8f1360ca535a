#include "engine/EngineThreadScheduler.h"
#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXEvent.h"
#include "host/Interpreter.h"
#include "host/zxArray.h"
#include "messaging/VXIMMessageBlocker.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/GuiThreadRunner.h"
#include "vrix/vxim/Connect.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <future>
#include <memory>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

using testing::ElementsAre;
using testing::IsEmpty;
using vxtest::EventLog;
using vxtest::queuedEngineCommands;
using vxtest::raiseEvents;
using vxtest::runEngineCommands;

namespace {

// An event that counts its own deletion, to see that the queue's consumer frees it.
class CountedEvent : public VXEvent {
public:
    CountedEvent(VXEventType type, VXWidget* widget, int value, std::atomic<int>* deletions)
        : VXEvent(type, widget)
        , m_deletions(deletions)
    {
        setValue(value);
    }
    ~CountedEvent() override { ++*m_deletions; }

private:
    std::atomic<int>* m_deletions;
};

// Engine thread: records what reaches it through its own messaging connection.
struct Probe : VXIM::Listener {
    ~Probe() override { disconnect(); }
    void take(int v)
    {
        values.push_back(v);
        if (v == throwOn)
            throw std::runtime_error("slot failed");
    }
    std::vector<int> values;
    int throwOn = -1;
};

class EventDeliveryTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(vxtest::bridge(), nullptr);
        while (runEngineCommands() > 0) { }
        m_button = std::make_unique<VXButton>(nullptr);
        m_button->addEventListener(&m_listener, ButtonPressEvent);
        VXIM::connect(m_emitter, &m_probe, &Probe::take, VXIM::Thread::getCurrentThread());
    }

    void TearDown() override
    {
        m_probe.disconnect();
        VXEvent::resumePendingEvents();
        isWaitingForSynchronousResponse = false;
        while (runEngineCommands() > 0) { }
    }

    void raiseCounted(VXWidget* proxy, std::initializer_list<int> values)
    {
        ASSERT_TRUE(vxtest::runOnGuiThread([&] {
            for (int value : values)
                (new CountedEvent(ButtonPressEvent, proxy, value, &m_deletions))->doEvent();
        }));
    }

    // Emitted on the GUI thread, as widgets do.
    void emitFromGui(std::initializer_list<int> values)
    {
        ASSERT_TRUE(vxtest::runOnGuiThread([&] {
            for (int v : values)
                m_emitter(v);
        }));
    }

    EventLog m_listener;
    std::unique_ptr<VXButton> m_button;
    std::atomic<int> m_deletions { 0 };
    VXIM::Emitter1<int> m_emitter;
    Probe m_probe;
};
using EngineWakeUpTest = EventDeliveryTest;

TEST_F(EventDeliveryTest, BurstEnqueuesOneCommandAndOneRunDeliversAllOfTheListenedTypeInOrder)
{
    raiseEvents(m_button.get(), { 99 }, CheckBoxToggleEvent);
    raiseEvents(m_button.get(), { 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 });
    EXPECT_EQ(vxtest::queuedEngineCommands(), 1u);
    EXPECT_THAT(m_listener.values(), IsEmpty()) << "nothing runs behind the interpreter's back";

    EXPECT_EQ(runEngineCommands(), 1u);
    EXPECT_THAT(m_listener.values(), ElementsAre(0, 1, 2, 3, 4, 5, 6, 7, 8, 9));
    // The later packets of the burst found the queue empty and asked for nothing more.
    EXPECT_EQ(runEngineCommands(), 0u);
    EXPECT_EQ(m_listener.values().size(), 10u);
}

TEST_F(EventDeliveryTest, FirstEventAsksAtOnceAndTheRestOfTheHandlerOnceAtItsEnd)
{
    std::promise<std::size_t> askedDuringHandler;
    std::promise<void> engineRan;
    std::promise<std::size_t> askedAfterRun;
    // Another thread waits for the handler, so this one stays free to act as the engine.
    std::thread gui([&] {
        vxtest::runOnGuiThread([&] {
            auto* first = new VXEvent(ButtonPressEvent, m_button.get());
            first->setValue(1);
            first->doEvent();
            askedDuringHandler.set_value(VXHost::Interpreter::instance().pendingCommands());
            engineRan.get_future().wait();
            for (int value : { 2, 3 }) {
                auto* event = new VXEvent(ButtonPressEvent, m_button.get());
                event->setValue(value);
                event->doEvent();
            }
            askedAfterRun.set_value(VXHost::Interpreter::instance().pendingCommands());
        });
    });
    const std::size_t during = askedDuringHandler.get_future().get();
    // The GUI thread is held: the engine runs what is queued without a round trip to it.
    const std::size_t ran = VXHost::Interpreter::instance().processPendingCommands();
    engineRan.set_value();
    const std::size_t after = askedAfterRun.get_future().get();
    gui.join();

    EXPECT_EQ(during, 1u) << "the first event does not wait for the handler to end";
    EXPECT_EQ(ran, 1u);
    EXPECT_THAT(m_listener.values(), ElementsAre(1));
    EXPECT_EQ(after, 0u) << "the rest of the burst is held until the handler ends";
    EXPECT_EQ(queuedEngineCommands(), 1u);
    EXPECT_EQ(runEngineCommands(), 1u);
    EXPECT_THAT(m_listener.values(), ElementsAre(1, 2, 3));
}

TEST_F(EventDeliveryTest, HeldEventsWaitAndArriveInOrderAtTheRunAfterTheHold)
{
    std::optional<VXIMMessageBlocker> blocker;
    const struct {
        const char* name;
        std::function<void()> hold, release;
        bool releaseAsksForARun;
    } holds[] = {
        { "paused", [] { VXEvent::pausePendingEvents(); }, [] { VXEvent::resumePendingEvents(); },
            false },
        { "waiting for a synchronous response", [] { isWaitingForSynchronousResponse = true; },
            [] { isWaitingForSynchronousResponse = false; }, false },
        { "message blocker", [&] { blocker.emplace(); }, [&] { blocker.reset(); }, true },
    };
    for (const auto& h : holds) {
        SCOPED_TRACE(h.name);
        m_listener.events.clear();
        h.hold();
        raiseEvents(m_button.get(), { 1, 2 });
        EXPECT_GE(runEngineCommands(), 1u);
        raiseEvents(m_button.get(), { 3 });
        EXPECT_GE(runEngineCommands(), 1u);
        EXPECT_THAT(m_listener.values(), IsEmpty());

        h.release();
        EXPECT_THAT(m_listener.values(), IsEmpty()) << "the release processes nothing by itself";
        // A blocker's end alone asks for the run that serves what it held.
        EXPECT_EQ(queuedEngineCommands(), h.releaseAsksForARun ? 1u : 0u);
        if (h.releaseAsksForARun) {
            runEngineCommands();
            EXPECT_THAT(m_listener.values(), ElementsAre(1, 2, 3));
        }
        raiseEvents(m_button.get(), { 4 });
        runEngineCommands();
        EXPECT_THAT(m_listener.values(), ElementsAre(1, 2, 3, 4));
    }
}

TEST_F(EventDeliveryTest, EventForAProxyDeletedBeforeProcessingIsDroppedAndFreed)
{
    auto doomed = std::make_unique<VXButton>(nullptr);
    EventLog doomedListener;
    doomed->addEventListener(&doomedListener, ButtonPressEvent);
    raiseCounted(doomed.get(), { 1 });
    raiseCounted(m_button.get(), { 2 });
    raiseCounted(doomed.get(), { 3 });
    doomed.reset();
    // A new proxy may take the old address; it must not receive the old proxy's events.
    auto successor = std::make_unique<VXButton>(nullptr);
    EventLog successorListener;
    successor->addEventListener(&successorListener, ButtonPressEvent);

    runEngineCommands();
    EXPECT_THAT(doomedListener.values(), IsEmpty());
    EXPECT_THAT(successorListener.values(), IsEmpty());
    EXPECT_THAT(m_listener.values(), ElementsAre(2));
    EXPECT_EQ(m_deletions.load(), 3);
}

TEST_F(EventDeliveryTest, EventForAnUnregisteredProxyIsNotQueued)
{
    VXWidget* stale = nullptr;
    {
        VXButton gone(nullptr);
        stale = &gone;
    }
    raiseCounted(nullptr, { 1 });
    raiseCounted(stale, { 2 });
    EXPECT_EQ(m_deletions.load(), 2) << "an invalid event is deleted when raised";
    EXPECT_EQ(vxtest::queuedEngineCommands(), 0u) << "and wakes nobody";
    EXPECT_EQ(VXBridge::getNextEvent(), nullptr);
}

TEST_F(EventDeliveryTest, ListenersRunOncePerRegistrationAndDeletedOnesAreSkipped)
{
    m_button->addEventListener(&m_listener, ButtonPressEvent);
    auto* deleted = new EventLog;
    EventLog later;
    m_button->addEventListener(deleted, ButtonPressEvent);
    m_button->addEventListener(&later, ButtonPressEvent);
    delete deleted;
    raiseEvents(m_button.get(), { 7 });
    runEngineCommands();
    EXPECT_THAT(m_listener.values(), ElementsAre(7, 7));
    EXPECT_THAT(later.values(), ElementsAre(7));
}

TEST_F(EventDeliveryTest, ListenerThatDeletesItsWidgetEndsTheNotification)
{
    auto* widget = new VXButton(nullptr);
    EventLog deleter([widget](const VXEvent*) { delete widget; });
    EventLog later;
    widget->addEventListener(&deleter, ButtonPressEvent);
    widget->addEventListener(&later, ButtonPressEvent);
    // The rest of the burst is for a widget that is gone by then.
    raiseCounted(widget, { 5, 6, 7 });

    runEngineCommands();
    EXPECT_THAT(deleter.values(), ElementsAre(5));
    EXPECT_THAT(later.values(), IsEmpty());
    EXPECT_EQ(m_deletions.load(), 3);
    EXPECT_FALSE(VXObject::isObjectValid(widget));
}

TEST_F(EventDeliveryTest, ListenerExceptionReachesTheCommandRunAndTheRestStaysQueued)
{
    EventLog thrower([](const VXEvent* event) {
        if (event->getValue() == 2)
            throw std::runtime_error("host error");
    });
    m_button->removeEventListener(&m_listener, ButtonPressEvent);
    m_button->addEventListener(&thrower, ButtonPressEvent);
    raiseCounted(m_button.get(), { 1, 2, 3, 4 });

    EXPECT_THROW(runEngineCommands(), std::runtime_error);
    EXPECT_THAT(thrower.values(), ElementsAre(1, 2));
    EXPECT_EQ(m_deletions.load(), 2) << "the event whose listener threw is deleted too";

    // Neither the nesting guard nor the engine's queue is left stuck: the next run serves the
    // remaining events before the new one.
    raiseCounted(m_button.get(), { 5 });
    runEngineCommands();
    EXPECT_THAT(thrower.values(), ElementsAre(1, 2, 3, 4, 5));
    EXPECT_EQ(m_deletions.load(), 5);
}

TEST_F(EventDeliveryTest, ProcessingFromInsideAListenerReturnsAtOnce)
{
    std::vector<std::size_t> seenAroundNestedCall;
    EventLog reentrant([&](const VXEvent*) {
        const std::size_t before = m_listener.values().size();
        VXEvent::processPendingEvents();
        seenAroundNestedCall.push_back(m_listener.values().size() - before);
    });
    m_button->addEventListener(&reentrant, ButtonPressEvent);
    raiseEvents(m_button.get(), { 1, 2, 3 });
    runEngineCommands();
    EXPECT_THAT(seenAroundNestedCall, ElementsAre(0u, 0u, 0u));
    EXPECT_THAT(m_listener.values(), ElementsAre(1, 2, 3));
}

TEST_F(EngineWakeUpTest, PacketArrivingWhileAListenerReentersTheInterpreterIsServedInTheSameRun)
{
    VXButton button(nullptr);
    int nestedCommands = 0;
    vxtest::EventLog reentrant([&](const VXEvent*) {
        // A packet arrives, and the host runs interpreter commands from inside the listener:
        // the wake-up command for that packet runs nested, while a pass is under way.
        emitFromGui({ 7 });
        nestedCommands = static_cast<int>(VXHost::Interpreter::instance().processPendingCommands());
    });
    button.addEventListener(&reentrant, ButtonPressEvent);
    vxtest::raiseEvents(&button, { 1 });

    runEngineCommands();
    EXPECT_THAT(reentrant.values(), ElementsAre(1));
    EXPECT_EQ(nestedCommands, 1) << "the packet's wake-up ran nested";
    EXPECT_THAT(m_probe.values, ElementsAre(7)) << "served before the outer command returned";
    EXPECT_EQ(vxtest::queuedEngineCommands(), 0u);
    EXPECT_EQ(pendingEngineTickles(), 0);
}

TEST_F(EngineWakeUpTest, PacketsBehindAFailingSlotHaveAWakeUpOfTheirOwn)
{
    m_probe.throwOn = 1;
    emitFromGui({ 1, 2, 3 });
    EXPECT_THROW(runEngineCommands(), std::runtime_error);
    EXPECT_THAT(m_probe.values, ElementsAre(1));

    // Nothing new is emitted: the rest is served by the wake-up the failure left behind.
    EXPECT_EQ(vxtest::queuedEngineCommands(), 1u);
    runEngineCommands();
    EXPECT_THAT(m_probe.values, ElementsAre(1, 2, 3));
}

TEST(EngineInterpreterTest, CheckMultiZVMIsFalseInTheLoadingInterpreter)
{
    ASSERT_NE(vxtest::bridge(), nullptr);
    zxArray* result[1] = { nullptr };
    checkMultiZVM(1, result);
    ASSERT_NE(result[0], nullptr);
    EXPECT_FALSE(VXHost::logicalScalarValue(result[0]));
    VXHost::destroyArray(result[0]);

    // Without the session the toolkit was bound to, the caller is in another interpreter.
    VXHost::Interpreter::instance().endSession();
    checkMultiZVM(1, result);
    VXHost::Interpreter::instance().startSession();
    ASSERT_NE(result[0], nullptr);
    EXPECT_TRUE(VXHost::logicalScalarValue(result[0]));
    VXHost::destroyArray(result[0]);
}

} // namespace
