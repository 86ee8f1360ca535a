#pragma once

#include "engine/VXWidget.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vxtest {

/// Base of the end-to-end widget fixtures (engine thread): the bridge is up and earlier events
/// are delivered before each test; afterwards no GUI widget may outlive its proxy, so the GUI's
/// widget count must be back where the test began.
class WidgetLeakTest : public testing::Test {
public:
    /// Keeps `proxy` for the rest of the test and deletes it, latest first, before the leak
    /// check; returns it.
    template <class P> P* own(P* proxy)
    {
        m_owned.emplace_back(proxy);
        return proxy;
    }
    /// Deletes an owned proxy now.
    void destroy(VXWidget* proxy);

protected:
    void SetUp() override;
    void TearDown() override;

    /// Set by fixtures whose widgets are deleted later than their proxies (modal dialogs): the
    /// count is then awaited instead of read once.
    bool m_deferredDeletes = false;
    int m_startCount = 0;
    int m_startMismatches = 0;

private:
    std::vector<std::unique_ptr<VXWidget>> m_owned;
};

} // namespace vxtest
