// main() of the font tests: a QGuiApplication on the main thread, tests on the main thread too;
// the concurrency tests start their own threads.
#include <QGuiApplication>

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

// Qt shapes and matches fonts through fontconfig and HarfBuzz, which are not instrumented: their
// lazily built tables are published with atomics the sanitizer cannot see. Only interceptor
// calls made from inside those libraries are suppressed; our own accesses are still checked.
extern "C" __attribute__((visibility("default"), used)) const char* __tsan_default_suppressions()
{
    return "called_from_lib:libfontconfig.so.1\n"
           "called_from_lib:libharfbuzz.so.0\n";
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
    testing::InitGoogleTest(&argc, argv);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
