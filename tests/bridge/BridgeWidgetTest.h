#pragma once

#include <gtest/gtest.h>

namespace vxtest {

/// Base of the end-to-end widget fixtures (engine thread): the bridge is up and earlier events
/// are delivered before each test; afterwards no GUI widget may outlive its peer, so the
/// GUI's widget count must be back where the test began.
class BridgeWidgetTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    int m_startCount = 0;
};

} // namespace vxtest
