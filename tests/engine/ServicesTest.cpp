#include "engine/ApplicationContextService.h"
#include "engine/Event.h"
#include "engine/HostFunctions.h"
#include "engine/TranslationService.h"
#include "engine/UserEventRecord.h"
#include "engine/VRIXServices.h"
#include "host/FeatureRegistry.h"
#include "host/Host.h"
#include "host/Interpreter.h"
#include "vrix/services/ServiceRegistry.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

namespace {

using VXServices::VXService;
using ContextService = VXService<VXServices::ApplicationContext>;
using TranslationLookup = VXService<VXServices::Translation>;

TEST(Services, InitializationInstallsEachServiceOnceAndPathsStartAtTheInstallationRoot)
{
    VRIX_MI::initializeVelmarVRIXServices();
    auto* translation = TranslationLookup::get();
    auto* context = ContextService::get();
    ASSERT_NE(dynamic_cast<VRIX_MI::TranslationService*>(translation), nullptr);
    ASSERT_NE(dynamic_cast<VRIX_MI::ApplicationContextService*>(context), nullptr);

    VRIX_MI::initializeVelmarVRIXServices();
    EXPECT_EQ(TranslationLookup::get(), translation);
    EXPECT_EQ(ContextService::get(), context);

    // Resource paths start at the installation root.
    VXHost::hostSetRoot("/opt/velmar-test-root");
    EXPECT_EQ(VRIX_MI::installationPath("toolbox/shared/orvidesk/resources/clearedit.png"),
        "/opt/velmar-test-root/toolbox/shared/orvidesk/resources/clearedit.png");
    EXPECT_EQ(VRIX_MI::installationPath(nullptr), "/opt/velmar-test-root/");
    VXHost::hostSetRoot(nullptr);
    EXPECT_EQ(VRIX_MI::installationPath("x.png"), std::string(svVelmarRoot()) + "/x.png");
}

std::vector<int> s_featureChanges;
void recordFeatureChange(int value)
{
    s_featureChanges.push_back(value);
}

TEST(Services, ApplicationContextAnswersWithTheHostsValuesAndRegistersFeaturesWithTheHost)
{
    VRIX_MI::ApplicationContextService context;
    EXPECT_STREQ(context.getRoot(), svVelmarRoot());
    EXPECT_STREQ(context.getRelease(), svVelmarRelease());
    EXPECT_STRNE(context.getRelease(), context.getRoot());
    EXPECT_STREQ(context.getBinArchDir(), svGetBinArchDir());
    EXPECT_STREQ(context.getCharacterEncoding(), svGetDefaultCharacterSet());

    const char* preferences = context.getPreferencesDirectory(true);
    struct stat info { };
    EXPECT_EQ(::stat(preferences, &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));

    // Features go to the host with their callback.
    EXPECT_FALSE(context.isFeatureEnabled("EngineServicesTestFeature"));
    context.registerFeature("EngineServicesTestFeature", 3, &recordFeatureChange);
    EXPECT_TRUE(context.isFeatureEnabled("EngineServicesTestFeature"));
    VXHost::FeatureRegistry::instance().setValue("EngineServicesTestFeature", 0);
    EXPECT_FALSE(context.isFeatureEnabled("EngineServicesTestFeature"));
    EXPECT_EQ(s_featureChanges, std::vector<int> { 0 });
    EXPECT_FALSE(context.isFeatureEnabled(nullptr));
    VXHost::FeatureRegistry::instance().remove("EngineServicesTestFeature");
}

TEST(Services, TranslationIsTheIdentityAndUserEventsAnswerAWaitingRecordOnTheEngineThread)
{
    VRIX_MI::TranslationService service;
    const char* text = "abc";
    EXPECT_EQ(service.translate(text), text);
    EXPECT_EQ(service.translate(nullptr), nullptr);
    const std::int32_t handle = service.getUserEventHandle();
    EXPECT_NE(handle, 0);
    EXPECT_EQ(service.getUserEventHandle(), handle);

    // This thread plays the engine thread; another thread asks and waits.
    VRIX_MI::UserEventRecord record;
    record.request = 1234;
    std::thread asker([&] {
        svWS_PostUserEvent(handle, &record);
        record.done.wait();
    });
    const bool answered = VXHost::Interpreter::instance().processCommandsUntil(
        [&] { return record.done.isSignalled(); }, std::chrono::seconds(30));
    asker.join();
    EXPECT_TRUE(answered);
    EXPECT_EQ(record.result, 1234);
    VRIX_MI::TranslationService::onUserEvent(nullptr); // ignored
}

TEST(ServicesEvent, ManualResetReleasesEveryWaiterAndAutoResetOnePerSignal)
{
    using namespace std::chrono_literals;
    for (bool manual : { true, false }) {
        SCOPED_TRACE(manual ? "manual reset" : "auto reset");
        VRIX_MI::Event event(manual);
        std::atomic<int> entered { 0 }, released { 0 };
        std::vector<std::thread> waiters;
        for (int i = 0; i < 2; ++i)
            waiters.emplace_back([&] {
                ++entered;
                event.wait();
                ++released;
            });
        // Both waiters most likely blocked, so a signal that wakes only one is seen.
        while (entered.load() < 2)
            std::this_thread::yield();
        std::this_thread::sleep_for(20ms);
        event.signal();
        const int expected = manual ? 2 : 1;
        const auto deadline = std::chrono::steady_clock::now() + 5s;
        while (released.load() < expected && std::chrono::steady_clock::now() < deadline)
            std::this_thread::yield();
        EXPECT_EQ(released.load(), expected);
        EXPECT_EQ(event.isSignalled(), manual);
        if (released.load() < 2)
            event.signal();
        for (auto& waiter : waiters)
            waiter.join();
        EXPECT_EQ(event.waitFor(0ms), manual);
        event.reset();
        EXPECT_FALSE(event.waitFor(0ms));
    }
}

} // namespace
