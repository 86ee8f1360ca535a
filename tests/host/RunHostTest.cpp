#include <gtest/gtest.h>

#include <cerrno>
#include <string>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct ProbeRun {
    int exitCode = -1;
    std::string out;
};

// Runs the probe program in `mode` and collects its standard output and exit code.
ProbeRun runProbe(const char* mode)
{
    ProbeRun run;
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    const char* path = VX_HOST_EXIT_PROBE;
    char* argv[] = { const_cast<char*>(path), const_cast<char*>(mode), nullptr };
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    if (spawned == 0) {
        char buffer[256];
        for (;;) {
            const ssize_t n = ::read(pipeEnds[0], buffer, sizeof buffer);
            if (n > 0)
                run.out.append(buffer, static_cast<std::size_t>(n));
            else if (n == 0 || errno != EINTR)
                break;
        }
        int status = 0;
        if (::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
            run.exitCode = WEXITSTATUS(status);
    }
    ::close(pipeEnds[0]);
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
