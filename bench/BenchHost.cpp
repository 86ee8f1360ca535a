#include "BenchHost.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace vxbench {

bool initializeUnderHost(int& argc, char** argv)
{
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    benchmark::Initialize(&argc, argv);
    return !benchmark::ReportUnrecognizedArguments(argc, argv);
}

} // namespace vxbench
