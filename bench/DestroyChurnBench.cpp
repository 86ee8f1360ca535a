// Creating and destroying widgets through the real bridge, many pairs in a row: the cost per
// pair must not grow with the number of pairs. One op is N buttons created in a panel and
// destroyed again, each right after its creation, then one getter that waits for all of it.
// The anchor is the same op with N = 10 000. Runs under the host: the benchmarks are the
// engine thread, the GUI thread runs Qt's loop on the main thread.
#include "BenchHost.h"
#include "RatioReporter.h"

#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXPanel.h"
#include "host/Host.h"
#include "vrix/StringID.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

VXBridge* g_bridge = nullptr;
VXPanel* g_panel = nullptr;

void churn(benchmark::State& state, int pairs)
{
    for (auto _ : state) {
        for (int i = 0; i < pairs; ++i)
            delete g_bridge->createButton(g_panel, "churn");
        // A send: returns once the GUI thread has handled everything posted before it.
        benchmark::DoNotOptimize(g_panel->isVisible());
    }
    state.SetItemsProcessed(state.iterations() * pairs);
}

void BM_CreateDestroyTenThousand(benchmark::State& state)
{
    churn(state, 10000);
}

void BM_CreateDestroy(benchmark::State& state)
{
    churn(state, int(state.range(0)));
}

BENCHMARK(BM_CreateDestroyTenThousand)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CreateDestroy)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (!vxbench::initializeUnderHost(argc, argv))
        return 1;
    vxbench::RatioReporter::setAnchor("BM_CreateDestroy", "BM_CreateDestroyTenThousand");
    const int result = VXHost::runHost(argc, argv, [] {
        g_bridge = VXBridge::getBridge(VRIX::StringID("qt"));
        if (!g_bridge)
            return EXIT_FAILURE;
        {
            std::unique_ptr<VXPanel> panel(g_bridge->createPanel(nullptr, "churn"));
            g_panel = panel.get();
            vxbench::RatioReporter reporter;
            benchmark::RunSpecifiedBenchmarks(&reporter);
            g_panel = nullptr;
        }
        g_bridge->quit();
        VXBridge::destroyBridges();
        return EXIT_SUCCESS;
    });
    benchmark::Shutdown();
    return result;
}
