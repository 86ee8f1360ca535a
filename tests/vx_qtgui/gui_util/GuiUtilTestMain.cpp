// main() of the GUI utility tests: a plain QApplication on the main thread, the
// "ApplicationContext" service rooted at the repository's resources/, and the host's path test.
#include "tests/support/TestEnvironment.h"
#include "tests/vx_qtgui/gui_util/PictureFiles.h"
#include "tests/vx_qtgui/gui_util/TestApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    vxtest::prepareHeadlessEnvironment();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    VXServices::VXService<VXServices::ApplicationContext>::install(
        new TestApplicationContext(testResourcesRoot().toStdString()));
    const int result = RUN_ALL_TESTS();
    VXServices::ServiceRegistry::instance().clear();
    return result;
}
