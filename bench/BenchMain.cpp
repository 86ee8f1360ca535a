#include "RatioReporter.h"

#if defined(VX_BENCH_WIDGETS_APPLICATION)
#include <QApplication>

#include <cstdlib>
#elif defined(VX_BENCH_GUI_APPLICATION)
#include <QGuiApplication>

#include <cstdlib>
#else
#include <QCoreApplication>
#endif

#include <benchmark/benchmark.h>

// Qt objects used by the benchmarks need an application on the main thread; the benchmarks
// themselves run on the main thread, which plays the engine thread. Benchmarks that measure
// fonts or images need a QGuiApplication (built with VX_BENCH_GUI_APPLICATION), those that
// build widgets a QApplication (VX_BENCH_WIDGETS_APPLICATION).
int main(int argc, char** argv)
{
    int qtArgc = 1;
    char name[] = "vxbench";
    char* qtArgv[] = { name, nullptr };
#if defined(VX_BENCH_GUI_APPLICATION) || defined(VX_BENCH_WIDGETS_APPLICATION)
    const char* display = std::getenv("DISPLAY");
    if (!display || !*display)
        ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
#endif
#if defined(VX_BENCH_WIDGETS_APPLICATION)
    QApplication app(qtArgc, qtArgv);
#elif defined(VX_BENCH_GUI_APPLICATION)
    QGuiApplication app(qtArgc, qtArgv);
#else
    QCoreApplication app(qtArgc, qtArgv);
#endif
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    vxbench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
