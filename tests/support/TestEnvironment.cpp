#include "tests/support/TestEnvironment.h"

#include <cstdlib>
#include <string>

#include <sys/stat.h>
#include <unistd.h>

// The offscreen platform plug-in keeps a small allocation until exit by design.
extern "C" __attribute__((visibility("default"), used)) const char* __lsan_default_suppressions()
{
    return "leak:libqoffscreen.so\n";
}

// Qt's locks are invisible to the thread sanitizer, so what Qt's own code does in memory is
// left out; our hand-offs through Qt are annotated where they happen instead. fontconfig and
// HarfBuzz publish their lazily built tables with atomics the sanitizer cannot see. Only calls
// made from inside those libraries are suppressed; our own accesses are still checked.
extern "C" __attribute__((visibility("default"), used)) const char* __tsan_default_suppressions()
{
    return "called_from_lib:libQt5Core.so.5\n"
           "called_from_lib:libQt5Gui.so.5\n"
           "called_from_lib:libQt5Widgets.so.5\n"
           "called_from_lib:libfontconfig.so.1\n"
           "called_from_lib:libharfbuzz.so.0\n";
}

namespace vxtest {

namespace {
bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value && *value;
}
} // namespace

void prepareHeadlessEnvironment()
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

} // namespace vxtest
