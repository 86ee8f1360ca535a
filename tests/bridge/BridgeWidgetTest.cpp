#include "tests/bridge/BridgeWidgetTest.h"

#include "engine/VXBridge.h"
#include "tests/bridge/BridgeTestEnvironment.h"
#include "tests/buttons/ButtonsTestSupport.h"

namespace vxtest {

void BridgeWidgetTest::SetUp()
{
    ASSERT_NE(bridge(), nullptr);
    deliverEvents();
    m_startCount = bridge()->getHashedSize();
}

void BridgeWidgetTest::TearDown()
{
    deliverEvents();
    EXPECT_EQ(bridge()->getHashedSize(), m_startCount) << "a widget outlived its peer";
}

} // namespace vxtest
