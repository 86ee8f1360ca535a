#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtIntMessage.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/TraceCapture.h"
#include "vx_qtgui/GuiCreationRoute.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using vxtest::guiObjectCount;
using vxtest::post;
using vxtest::ProbeWidget;
using vxtest::runOnGuiThread;
using vxtest::send;

namespace {

// The creation kind under test wants a handle and four strings.
GuiObject* createProbe(void* key, QtMessage& msg, QWidget*)
{
    if (!dynamic_cast<QtHandleStr4Message*>(&msg))
        return nullptr;
    return new ProbeWidget(key, {});
}

class BadInputTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(vxtest::startGuiThreadOnce());
        m_route = std::make_unique<vxtest::ScopedCreationRoute>(GuiCreationRoute::Entry {
            BTNCreateMsg, GuiCreationRoute::WidgetParent, false, false, &createProbe, nullptr });
        // Records what reaches it; a getter answers how many messages it has seen.
        m_probe = ProbeWidget::make(&m_key, [this](VXMessageType type, QtMessage* msg) {
            auto* numbered = dynamic_cast<QtIntMessage*>(msg);
            m_seen.push_back(numbered ? numbered->m_int : -static_cast<int>(type));
            ProbeWidget::answer(msg, static_cast<int>(m_seen.size()));
        });
        m_baseline = guiObjectCount();
        ASSERT_TRUE(m_trace.start());
    }

    void TearDown() override
    {
        m_trace.stop();
        runOnGuiThread([this] { delete m_probe; });
        m_route.reset();
    }

    void postNumber(int n) { post(new QtIntMessage(&m_key, HideMsg, n)); }

    // The numbers the probe has seen, read on the GUI thread.
    std::vector<int> seen()
    {
        std::vector<int> copy;
        runOnGuiThread([&] { copy = m_seen; });
        return copy;
    }

    // Exactly `times` drop lines for this message with this reason.
    void expectDropTraced(int id, const char* name, const char* why, int times = 1)
    {
        const QString line
            = QString("VRIXOneMessage dropped message - %1 %2: %3").arg(id).arg(name).arg(why);
        EXPECT_EQ(m_trace.lines().count(line), times) << m_trace.lines().join('\n').toStdString();
    }

    int m_key = 0; // its address is the probe's peer key
    ProbeWidget* m_probe = nullptr;
    std::vector<int> m_seen; // GUI thread
    int m_baseline = 0;
    std::unique_ptr<vxtest::ScopedCreationRoute> m_route;
    vxtest::TraceCapture m_trace;
};

TEST_F(BadInputTest, PayloadThatDoesNotFitItsIdIsDropped)
{
    int newKey = 0;
    postNumber(1);
    // A creation that expects a handle and strings, carrying an int.
    EXPECT_EQ(send(new QtIntMessage(&newKey, BTNCreateMsg, 7)), 0);
    // A getter whose answer travels in its payload, sent bare.
    EXPECT_EQ(send(new QtMessage(nullptr, ConvertQPixmapToQImageMsg)), 0);
    post(new QtIntMessage(nullptr, ConvertQPixmapToQImageMsg, 1));
    postNumber(2);

    EXPECT_EQ(guiObjectCount(), m_baseline) << "an unfit creation built something";
    EXPECT_EQ(seen(), (std::vector<int> { 1, 2 }));
    expectDropTraced(50, "BTNCreateMsg", "payload does not fit the id");
    expectDropTraced(462, "ConvertQPixmapToQImageMsg", "payload does not fit the id", 2);

    // The same id with the payload it expects still creates.
    send(new QtHandleStr4Message(
        &newKey, BTNCreateMsg, nullptr, "ok", nullptr, nullptr, nullptr, false));
    EXPECT_EQ(guiObjectCount(), m_baseline + 1);
    send(new QtMessage(&newKey, DestroyWidgetMsg));
    EXPECT_EQ(guiObjectCount(), m_baseline);
}

TEST_F(BadInputTest, MissingOrUnknownTargetIsDropped)
{
    int unknown = 0;
    postNumber(1);
    post(new QtIntMessage(&unknown, HideMsg, 99));
    EXPECT_EQ(send(new QtMessage(nullptr, IsVisibleMsg)), 0);
    QtMessageHolder reply;
    EXPECT_EQ(send(new QtMessage(&unknown, GetToolTipMsg), &reply), 0);
    EXPECT_FALSE(reply);
    EXPECT_EQ(send(new QtMessage(&unknown, DestroyWidgetMsg)), 0);
    // A creation with the right payload but no proxy to register it under.
    EXPECT_EQ(send(new QtHandleStr4Message(
                  nullptr, BTNCreateMsg, nullptr, "orphan", nullptr, nullptr, nullptr, false)),
        0);
    postNumber(2);

    EXPECT_EQ(seen(), (std::vector<int> { 1, 2 }));
    EXPECT_EQ(guiObjectCount(), m_baseline);
    expectDropTraced(13, "HideMsg", "no widget for the target");
    expectDropTraced(16, "IsVisibleMsg", "no target");
    expectDropTraced(12, "Unknown message ID", "no widget for the target");
    expectDropTraced(2, "DestroyWidgetMsg", "no widget for the target");
    expectDropTraced(50, "BTNCreateMsg", "creation without a target");
}

TEST_F(BadInputTest, IdOutsideTheCatalogueNeverReachesTheWidget)
{
    // Every foreign id becomes the first id past the catalogue; none may wrap through Qt's 16-bit
    // event type onto a real one (65586 would otherwise read back as BTNCreateMsg).
    const int pastCatalogue = SSIsInViewMsg + 1;
    for (int foreign : { 999, -5, 65586, -1005 }) {
        const QtMessageHolder m(new QtMessage(&m_key, static_cast<VXMessageType>(foreign)));
        EXPECT_EQ(m->messageType(), pastCatalogue) << foreign;
    }

    postNumber(1);
    post(new QtIntMessage(&m_key, static_cast<VXMessageType>(999), 50));
    EXPECT_EQ(send(new QtMessage(&m_key, static_cast<VXMessageType>(999))), 0);
    EXPECT_EQ(send(new QtIntMessage(&m_key, static_cast<VXMessageType>(-5), 60)), 0);
    postNumber(2);

    EXPECT_EQ(seen(), (std::vector<int> { 1, 2 })) << "the widget saw an id it cannot know";
    expectDropTraced(478, "Unknown message ID", "id outside the catalogue", 3);
    // The ends of the catalogue are still delivered.
    EXPECT_EQ(send(new QtIntMessage(&m_key, SyncDiagnosticEchoMsg, 3)), 3);
    EXPECT_EQ(send(new QtHandleMessage(&m_key, SSIsInViewMsg, nullptr)), 4);
}

TEST_F(BadInputTest, DropsWriteNothingWithTracingOff)
{
    m_trace.stop();
    const int linesBefore = m_trace.lines().size();
    int unknown = 0;
    EXPECT_EQ(send(new QtMessage(&unknown, IsVisibleMsg)), 0);
    EXPECT_EQ(send(new QtIntMessage(&m_key, static_cast<VXMessageType>(999), 1)), 0);
    EXPECT_EQ(m_trace.lines().size(), linesBefore);
}

} // namespace
