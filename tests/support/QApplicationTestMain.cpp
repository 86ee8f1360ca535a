// main() of the GUI-side unit test binaries: a plain QApplication on the main thread, no engine.
#include "tests/support/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    vxtest::prepareHeadlessEnvironment();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
