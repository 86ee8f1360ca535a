// main() of the font tests: a QGuiApplication on the main thread, tests on the main thread too;
// the concurrency tests start their own threads.
#include "tests/support/TestEnvironment.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    vxtest::prepareHeadlessEnvironment();
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
