#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace {

struct ProbeRun {
    int exitCode = -1;
    std::string out;
};

ProbeRun runProbe(const char* mode)
{
    ProbeRun run;
    FILE* pipe = ::popen((std::string(VX_HOST_EXIT_PROBE) + " " + mode).c_str(), "r");
    if (!pipe)
        return run;
    char buffer[256];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = ::pclose(pipe);
    if (status != -1 && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    return run;
}

// An engine that throws ends the host with failure instead of crashing it.
TEST(RunHost, ReturnsTheEngineResultAfterRunningItsMainThreadRequestsInOrder)
{
    const struct {
        const char* mode;
        int exitCode;
        const char* out;
    } rows[] = {
        { "order", 7, "first main\nsecond main\nresult 7\n" },
        { "throw", EXIT_FAILURE, "result 1\n" },
    };
    for (const auto& row : rows) {
        const ProbeRun run = runProbe(row.mode);
        EXPECT_EQ(run.exitCode, row.exitCode) << row.mode;
        EXPECT_EQ(run.out, row.out) << row.mode;
    }
}

} // namespace
