// main() of the end-to-end test binaries: the tests run as the engine thread under the host,
// the process's main thread stays free for the GUI.
#include "host/Host.h"
#include "tests/support/EngineExitHooks.h"
#include "tests/support/TestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    vxtest::prepareHeadlessEnvironment();
    testing::InitGoogleMock(&argc, argv);
    return VXHost::runHost(argc, argv, [] {
        const int result = RUN_ALL_TESTS();
        const int hookFailures = vxtest::EngineExitHooks::instance().runAll();
        return result != 0 ? result : (hookFailures != 0 ? EXIT_FAILURE : 0);
    });
}
