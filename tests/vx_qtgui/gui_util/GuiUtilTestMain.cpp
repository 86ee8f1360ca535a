// main() of the GUI utility tests: a plain QApplication on the main thread, the
// "ApplicationContext" service rooted at the repository's resources/, and the host's path test.
#include "tests/vx_qtgui/gui_util/PictureFiles.h"
#include "tests/vx_qtgui/gui_util/TestApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

// The offscreen platform plug-in keeps a small allocation until exit by design.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\n";
}

namespace {

bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}

void prepareEnvironment()
{
    if (!isSet("DISPLAY"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!isSet("XDG_RUNTIME_DIR")) {
        const char* temp = isSet("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
        const std::string runtime
            = std::string(temp) + "/vxtest-runtime-" + std::to_string(::getuid());
        ::mkdir(runtime.c_str(), 0700);
        ::chmod(runtime.c_str(), 0700);
        ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    }
}

} // namespace

int main(int argc, char** argv)
{
    prepareEnvironment();
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    VXServices::VXService<VXServices::ApplicationContext>::install(
        new TestApplicationContext(testResourcesRoot().toStdString()));
    const int result = RUN_ALL_TESTS();
    VXServices::ServiceRegistry::instance().clear();
    return result;
}
