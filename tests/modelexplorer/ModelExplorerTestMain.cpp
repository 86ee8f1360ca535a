// main() of the explorer's model tests: a plain QApplication on the main thread, no engine.
#include "tests/modelexplorer/TesterFailures.h"
#include "tests/support/TestEnvironment.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    vxtest::testerfailures::start();
    vxtest::prepareHeadlessEnvironment();
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
