#pragma once

// What an end-to-end widget test file starts from: the bridge and the engine-thread pumps, the
// host-side event log, the widget leak fixture, GoogleTest with its matchers, and QTest.
#include "engine/VXBridge.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/WidgetLeakTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>

#include <memory>

namespace vxtest {

/// Engine thread: runs `work` on the GUI thread with the widget of `proxy` as a `W`; the test
/// fails, and `work` does not run, when there is none. False when `work` did not complete.
template <class W, class F> bool onWidget(const void* proxy, F&& work)
{
    return runOnGuiThread([&] {
        W* widget = widgetOf<W>(proxy);
        ASSERT_NE(widget, nullptr) << "the proxy has no widget of that class";
        work(widget);
    });
}

/// As onWidget, with the widget's window active and the widget focused first, as a user's is.
template <class W, class F> bool onFocusedWidget(const void* proxy, F&& work)
{
    return onWidget<W>(proxy, [&](W* widget) {
        widget->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(widget));
        widget->setFocus(Qt::OtherFocusReason);
        work(widget);
    });
}

} // namespace vxtest
