#include "RatioReporter.h"

#include <cstdio>

namespace vxbench {

namespace {
std::map<std::string, std::string>& anchors()
{
    static std::map<std::string, std::string> a;
    return a;
}

double toNanoseconds(const benchmark::BenchmarkReporter::Run& run, bool cpu = false)
{
    const double perIteration = cpu ? run.GetAdjustedCPUTime() : run.GetAdjustedRealTime();
    switch (run.time_unit) {
    case benchmark::kSecond:
        return perIteration * 1e9;
    case benchmark::kMillisecond:
        return perIteration * 1e6;
    case benchmark::kMicrosecond:
        return perIteration * 1e3;
    default:
        return perIteration;
    }
}
} // namespace

void RatioReporter::setAnchor(const std::string& name, const std::string& anchor)
{
    anchors()[name] = anchor;
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            continue;
        // With repetitions the median stands for the benchmark; without, its one run does.
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if (run.run_type != Run::RT_Iteration && !median)
            continue;
        const std::string name = run.run_name.str();
        if (!m_nanoseconds.count(name))
            m_order.push_back(name);
        if (median || !m_fromMedian.count(name)) {
            m_nanoseconds[name] = toNanoseconds(run);
            m_cpuNanoseconds[name] = toNanoseconds(run, true);
        }
        if (median)
            m_fromMedian.insert(name);
    }
}

void RatioReporter::Finalize()
{
    ConsoleReporter::Finalize();
    std::printf("\n%-48s %14s  %-40s %8s %10s\n", "benchmark",
        m_fromMedian.empty() ? "ns/op" : "median ns/op", "anchor", "ratio", "CPU ratio");
    for (const std::string& name : m_order) {
        const std::string base = name.substr(0, name.find('/'));
        auto a = anchors().find(base);
        const double ns = m_nanoseconds[name];
        if (a == anchors().end()) {
            std::printf(
                "%-48s %14.1f  %-40s %8s %10s\n", name.c_str(), ns, "(anchor)", "1.00", "1.00");
            continue;
        }
        // Same arguments as ours when the anchor has them, else the anchor's first run.
        const std::string suffix = name.size() > base.size() ? name.substr(base.size()) : "";
        auto it = m_nanoseconds.find(a->second + suffix);
        if (it == m_nanoseconds.end())
            it = m_nanoseconds.find(a->second);
        if (it == m_nanoseconds.end() || it->second <= 0) {
            std::printf("%-48s %14.1f  %-40s %8s %10s\n", name.c_str(), ns, a->second.c_str(),
                "n/a", "n/a");
            continue;
        }
        const double cpu = m_cpuNanoseconds[name];
        const double anchorCpu = m_cpuNanoseconds[it->first];
        std::printf("%-48s %14.1f  %-40s %8.2f %10.2f\n", name.c_str(), ns, it->first.c_str(),
            ns / it->second, anchorCpu > 0 ? cpu / anchorCpu : 0.0);
    }
}

} // namespace vxbench
