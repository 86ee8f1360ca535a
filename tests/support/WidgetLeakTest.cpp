#include "tests/support/WidgetLeakTest.h"

#include "engine/VXEventCatalogue.h"
#include "messaging/VXMessageCatalogue.h"
#include "tests/support/BridgeTestEnvironment.h"

#include <algorithm>

namespace vxtest {

void WidgetLeakTest::SetUp()
{
    ASSERT_NE(bridge(), nullptr);
    deliverEvents();
    m_startCount = widgetCount();
    m_startMismatches = VXMessageCatalogue::mismatchCount() + VXEventCatalogue::mismatchCount();
}

void WidgetLeakTest::destroy(VXWidget* proxy)
{
    auto it = std::find_if(m_owned.begin(), m_owned.end(),
        [proxy](const std::unique_ptr<VXWidget>& owned) { return owned.get() == proxy; });
    if (it != m_owned.end())
        m_owned.erase(it);
}

void WidgetLeakTest::TearDown()
{
    while (!m_owned.empty())
        m_owned.pop_back();
    deliverEvents();
    if (m_deferredDeletes)
        pumpUntil([this] { return widgetCount() == m_startCount; });
    EXPECT_EQ(widgetCount(), m_startCount) << "a widget outlived its proxy";
    // Every message a peer sent and every event a widget raised fitted its catalogue row.
    EXPECT_EQ(
        VXMessageCatalogue::mismatchCount() + VXEventCatalogue::mismatchCount(), m_startMismatches)
        << "a message or event did not fit its catalogue row (the debug trace names both classes)";
}

} // namespace vxtest
