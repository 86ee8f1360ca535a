#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace vxbench {

/// Console output as usual, then one table: each benchmark's time per iteration and its ratio
/// to the anchor it names (measured in the same run), in wall time and in CPU time (which other
/// users of a shared machine disturb less). With --benchmark_repetitions the table
/// compares medians.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void Finalize() override;

    /// `name` is compared with `anchor`; both are benchmark names without arguments.
    static void setAnchor(const std::string& name, const std::string& anchor);

private:
    std::vector<std::string> m_order;
    std::map<std::string, double> m_nanoseconds;
    std::map<std::string, double> m_cpuNanoseconds;
    std::set<std::string> m_fromMedian;
};

} // namespace vxbench
