#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include <sys/wait.h>

namespace {

struct ProbeRun {
    int exitCode = -1;
    std::string out;
};

// Runs the probe program in `mode` and collects its standard output and exit code.
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

TEST(RunHost, ReturnsTheEngineResultAfterRunningItsMainThreadRequestsInOrder)
{
    const ProbeRun run = runProbe("order");
    EXPECT_EQ(run.exitCode, 7);
    EXPECT_EQ(run.out, "first main\nsecond main\nresult 7\n");
}

TEST(RunHost, AnEngineThatThrowsEndsTheHostWithFailureInsteadOfCrashing)
{
    const ProbeRun run = runProbe("throw");
    EXPECT_EQ(run.exitCode, EXIT_FAILURE);
    EXPECT_EQ(run.out, "result 1\n");
}

} // namespace
