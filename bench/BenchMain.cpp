#include "RatioReporter.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

// Qt objects used by the benchmarks need an application on the main thread; the benchmarks
// themselves run on the main thread, which plays the engine thread.
int main(int argc, char** argv)
{
    int qtArgc = 1;
    char name[] = "vxbench";
    char* qtArgv[] = { name, nullptr };
    QCoreApplication app(qtArgc, qtArgv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    vxbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
