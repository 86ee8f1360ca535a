#pragma once

#include "messaging/VXMessageCatalogue.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiWidget.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class QtMessage;
class UDInterface;

namespace vxtest {

/// One message as it reached the probe.
struct SeenMessage {
    int id;
    bool sent;
    std::string payload; ///< the payload's class name
    /// The second and third texts of a handle-and-texts payload, joined by a comma.
    std::string flags;
};

/// Stands in for a peer's widget: records every message, answers nothing.
class MessageProbe : public GuiWidget {
public:
    MessageProbe(void* key, std::vector<SeenMessage>* seen, std::mutex* lock);
    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

private:
    std::vector<SeenMessage>* m_seen;
    std::mutex* m_lock;
};

/// A host object's handle for tests: never dereferenced.
UDInterface* fakeObject(std::uintptr_t n);

/// A fresh `Peer` per case with a probe registered for it on the GUI thread; the cases call
/// one operation each and compare what arrived with the operation's row.
template <class Peer, class Operation>
class PeerProbeTest : public testing::TestWithParam<Operation> {
protected:
    void SetUp() override
    {
        ASSERT_NE(bridge(), nullptr);
        m_peer = new Peer();
        runOnGuiThread([this] {
            GuiApplication::putWidget(m_peer, new MessageProbe(m_peer, &m_seen, &m_lock));
        });
        m_mismatches = VXMessageCatalogue::mismatchCount();
    }
    void TearDown() override
    {
        delete m_peer; // its destroy message deletes the probe
        EXPECT_TRUE(pumpUntilOnGui([] { return true; }));
    }
    std::vector<SeenMessage> seen()
    {
        widgetCount(); // a round trip: everything posted before has been handled
        std::lock_guard<std::mutex> hold(m_lock);
        return m_seen;
    }

    Peer* m_peer = nullptr;
    std::vector<SeenMessage> m_seen;
    std::mutex m_lock;
    int m_mismatches = 0;
};

} // namespace vxtest
