#include "tests/support/EngineExitHooks.h"

#include "host/Host.h"
#include "tests/support/TestEnvironment.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace vxtest {

EngineExitHooks& EngineExitHooks::instance()
{
    static EngineExitHooks hooks;
    return hooks;
}

void EngineExitHooks::add(std::function<void()> hook)
{
    if (!hook)
        return;
    std::lock_guard<std::mutex> lock(m_mutex);
    m_hooks.push_back(std::move(hook));
}

int EngineExitHooks::runAll()
{
    int failures = 0;
    for (;;) {
        std::function<void()> hook;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_hooks.empty())
                return failures;
            hook = std::move(m_hooks.back());
            m_hooks.pop_back();
        }
        try {
            hook();
        } catch (const std::exception& e) {
            ++failures;
            std::fprintf(stderr, "engine exit hook threw: %s\n", e.what());
        } catch (...) {
            ++failures;
            std::fprintf(stderr, "engine exit hook threw\n");
        }
    }
}

void atEngineExit(std::function<void()> hook)
{
    EngineExitHooks::instance().add(std::move(hook));
}

int runEngineTests(int argc, char** argv)
{
    prepareHeadlessEnvironment();
    testing::InitGoogleMock(&argc, argv);
    return VXHost::runHost(argc, argv, [] {
        const int result = RUN_ALL_TESTS();
        const int hookFailures = EngineExitHooks::instance().runAll();
        return result != 0 ? result : (hookFailures != 0 ? EXIT_FAILURE : 0);
    });
}

} // namespace vxtest
