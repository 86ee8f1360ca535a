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
