#pragma once

#include "messaging/VXMessageCatalogue.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiWidget.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <list>
#include <mutex>
#include <ostream>
#include <string>
#include <vector>

class QtMessage;
class UDInterface;
class VXMEObjectData;
class VXStringList;
using VXMEObjectDataList = std::list<VXMEObjectData*>;

namespace vxtest {

/// One message as it reached the probe.
struct SeenMessage {
    int id;
    bool sent;
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
UDInterface* object(std::uintptr_t n);
/// A fresh list holding one record of object(1), and one holding the name "Name".
VXMEObjectDataList* records();
VXStringList* names();

/// One row of a peer's operation table: calling it must hand the GUI side a message of this id.
template <class Peer> struct PeerOperation {
    const char* name; // the message id's name
    const char* text; // the call, shown when the row fails
    std::function<void(Peer&)> call;
    VXMessageType id;
};

/// A row of `Peer`'s table: the call made on the peer `p`, and the message id it must send.
// clang-format off
#define VX_PEER_OPERATION(Peer, call, id) \
    vxtest::PeerOperation<Peer> { #id, #call, [](Peer& p) { call; }, id }
// clang-format on

template <class Peer> std::ostream& operator<<(std::ostream& out, const PeerOperation<Peer>& op)
{
    return out << op.text;
}

/// A case name: the message id, numbered since two rows may send the same id.
template <class Peer>
std::string operationName(const testing::TestParamInfo<PeerOperation<Peer>>& info)
{
    return std::string(info.param.name) + "_" + std::to_string(info.index);
}

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
    /// Calls the operation and checks the first message that arrived against its row and the
    /// catalogue (the bridge refuses and counts a message of another payload or delivery);
    /// returns all that arrived.
    std::vector<SeenMessage> callAndCheck(const Operation& op)
    {
        op.call(*m_peer);
        const std::vector<SeenMessage> arrived = seen();
        EXPECT_EQ(VXMessageCatalogue::mismatchCount(), m_mismatches);
        EXPECT_FALSE(arrived.empty()) << "nothing reached the widget";
        if (arrived.empty())
            return arrived;
        EXPECT_EQ(arrived[0].id, int(op.id));
        const VXMessageCatalogue::Row* row = VXMessageCatalogue::find(op.id);
        EXPECT_NE(row, nullptr);
        if (row) {
            EXPECT_NE(row->delivery, VXMessageCatalogue::Open) << "the row is settled";
        }
        return arrived;
    }

    Peer* m_peer = nullptr;
    std::vector<SeenMessage> m_seen;
    std::mutex m_lock;
    int m_mismatches = 0;
};

} // namespace vxtest
