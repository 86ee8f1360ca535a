#include "engine/HostFunctions.h"
#include "host/FeatureRegistry.h"
#include "host/Host.h"
#include "host/HostEventManagement.h"
#include "host/HostSettings.h"
#include "host/Interpreter.h"
#include "host/zxArray.h"
#include "vrix/services/EventManagement.h"
#include "vrix/services/ServiceRegistry.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <future>
#include <optional>
#include <string>
#include <thread>

#include <signal.h>

namespace {

using namespace std::chrono_literals;
using VXHost::HostSettings;
using VXHost::Interpreter;

struct UserEventRecord {
    int request = 0;
    int result = 0;
    std::thread::id thread;
};

void answerUserEvent(void* record)
{
    auto* r = static_cast<UserEventRecord*>(record);
    r->result = r->request;
    r->thread = std::this_thread::get_id();
}

TEST(HostServices, UserEventsRunTheirCallbackOnTheEngineThreadWithTheirRecord)
{
    const std::int32_t handle = svWS_CreateUserEvent(answerUserEvent);
    ASSERT_NE(handle, 0);
    EXPECT_NE(svWS_CreateUserEvent(answerUserEvent), handle);
    EXPECT_EQ(svWS_CreateUserEvent(nullptr), 0);

    UserEventRecord record;
    record.request = 42;
    std::thread poster([&] { svWS_PostUserEvent(handle, &record); });
    poster.join();
    EXPECT_EQ(record.result, 0) << "ran before the engine took its commands";

    auto& interpreter = Interpreter::instance();
    ASSERT_TRUE(interpreter.processCommandsUntil([&] { return record.result == 42; }, 10s));
    EXPECT_EQ(record.thread, std::this_thread::get_id());

    // Unknown handles queue nothing.
    svWS_PostUserEvent(0, &record);
    svWS_PostUserEvent(handle + 1000, &record);
    EXPECT_EQ(interpreter.pendingCommands(), 0u);
}

int lastFeatureCallback = -1;
void featureChanged(int value)
{
    lastFeatureCallback = value;
}

TEST(HostServices, FeaturesAreEnabledByANonZeroValueAndUnknownOnesAreOff)
{
    svRegisterFeature("test.on", 1, nullptr, nullptr);
    svRegisterFeature("test.off", 0, nullptr, nullptr);
    svRegisterFeature(nullptr, 1, nullptr, nullptr);
    EXPECT_NE(svIsFeatureEnabled("test.on"), 0);
    EXPECT_EQ(svIsFeatureEnabled("test.off"), 0);
    EXPECT_EQ(svIsFeatureEnabled("test.never.registered"), 0);
    EXPECT_EQ(svIsFeatureEnabled(nullptr), 0);

    auto& features = VXHost::FeatureRegistry::instance();
    svRegisterFeature("test.watched", 0, featureChanged, nullptr);
    features.setValue("test.watched", 0);
    EXPECT_EQ(lastFeatureCallback, -1) << "no change, no call";
    features.setValue("test.watched", 5);
    EXPECT_EQ(lastFeatureCallback, 5);
    EXPECT_NE(svIsFeatureEnabled("test.watched"), 0);

    svRegisterFeature("test.on", 0, nullptr, nullptr);
    EXPECT_EQ(svIsFeatureEnabled("test.on"), 0) << "registering again replaces the value";
    features.remove("test.on");
    features.remove("test.off");
    features.remove("test.watched");
}

TEST(HostServices, StringFunctionsAcceptNullTicksAreNanosecondsAndScalarsReadBack)
{
    EXPECT_EQ(utStrdup(nullptr), nullptr);
    utFree(nullptr);
    EXPECT_EQ(utStrlen(nullptr), 0u);

    const char* original = "text";
    char* copy = utStrdup(original);
    ASSERT_NE(copy, nullptr);
    EXPECT_NE(copy, original);
    EXPECT_STREQ(copy, "text");
    EXPECT_EQ(utStrlen(copy), 4u);
    EXPECT_EQ(utStrcpy(copy, nullptr), copy);
    EXPECT_STREQ(copy, "");
    EXPECT_EQ(utStrcpy(nullptr, "x"), nullptr);
    utFree(copy);

    char16_t wide[8] = u"abcdefg";
    EXPECT_EQ(utf16_strcpy(wide, u"xy"), wide);
    EXPECT_EQ(std::u16string(wide), u"xy");
    utf16_strcpy(wide, nullptr);
    EXPECT_EQ(std::u16string(wide), u"");

    // Ticks are monotonic nanoseconds; logical scalars read back their value.
    utEstimateCPUSpeed();
    const std::int64_t first = utGetTimeStampCounter();
    const std::int64_t second = utGetTimeStampCounter();
    EXPECT_GE(second, first);
    EXPECT_GE(utCPUElapsedTime(first, second), 0.0);
    EXPECT_DOUBLE_EQ(utCPUElapsedTime(1000, 1000 + 2500000000LL), 2.5);
    zxArray* yes = zxCreateLogicalScalar(true);
    zxArray* no = zxCreateLogicalScalar(false);
    EXPECT_TRUE(VXHost::logicalScalarValue(yes));
    EXPECT_FALSE(VXHost::logicalScalarValue(no));
    EXPECT_FALSE(VXHost::logicalScalarValue(nullptr));
    VXHost::destroyArray(yes);
    VXHost::destroyArray(no);
    VXHost::destroyArray(nullptr);
}

TEST(HostServices, RootOverrideBeatsEnvironmentWhichBeatsTheBuiltInRoot)
{
    const char* variable = std::getenv("VX_ROOT");
    const std::optional<std::string> saved
        = variable ? std::optional<std::string>(variable) : std::nullopt;
    ::unsetenv("VX_ROOT");
    const std::string builtIn = svVelmarRoot();
    EXPECT_TRUE(std::filesystem::is_directory(builtIn)) << builtIn;

    ::setenv("VX_ROOT", "/from/environment", 1);
    EXPECT_STREQ(svVelmarRoot(), "/from/environment");

    const char* before = svVelmarRoot();
    VXHost::hostSetRoot("/from/host");
    EXPECT_STREQ(svVelmarRoot(), "/from/host");
    EXPECT_STREQ(before, "/from/environment") << "a text handed out stays valid";

    VXHost::hostSetRoot("");
    EXPECT_STREQ(svVelmarRoot(), "/from/environment");
    ::unsetenv("VX_ROOT");
    EXPECT_EQ(svVelmarRoot(), builtIn);
    if (saved)
        ::setenv("VX_ROOT", saved->c_str(), 1);
}

TEST(HostServices, ReleaseModesCharacterSetAndAPreferencesDirectoryMadeOnlyWhenAsked)
{
    EXPECT_STREQ(svVelmarRelease(), "R2026b");
    EXPECT_GT(std::strlen(svGetBinArchDir()), 0u);
    EXPECT_STREQ(svGetDefaultCharacterSet(), "UTF-8");
    EXPECT_EQ(fl::i18n::to_ustring(nullptr), u"");
    EXPECT_EQ(fl::i18n::to_ustring("caf\xC3\xA9 \xE2\x82\xAC"), u"caf\u00E9 \u20AC");
    auto& settings = HostSettings::instance();
    settings.setCharacterSet("ISO-8859-1");
    EXPECT_STREQ(svGetDefaultCharacterSet(), "ISO-8859-1");
    EXPECT_EQ(fl::i18n::to_ustring("caf\xE9"), u"caf\u00E9");
    settings.setCharacterSet(nullptr);
    EXPECT_STREQ(svGetDefaultCharacterSet(), "UTF-8");

    EXPECT_EQ(svIsStandaloneMode(), 0);
    settings.setDisplayAvailable(0); // the host's word beats what the environment says
    EXPECT_EQ(svIsDisplayAvailable(), 0);
    settings.setDisplayAvailable(-1);
    EXPECT_NE(svIsDisplayAvailable(), 0) << "EngineTestMain sets QT_QPA_PLATFORM or a display";

    // The preferences directory is made only when asked.
    const std::string path = svGetPreferencesDirectory(false);
    ASSERT_FALSE(path.empty());
    const bool existed = std::filesystem::exists(path);
    if (!existed) {
        EXPECT_FALSE(std::filesystem::exists(svGetPreferencesDirectory(false)));
    }
    EXPECT_EQ(svGetPreferencesDirectory(true), path);
    EXPECT_TRUE(std::filesystem::is_directory(path));
}

bool isBlocked(int signal)
{
    sigset_t current;
    pthread_sigmask(SIG_SETMASK, nullptr, &current);
    return sigismember(&current, signal) == 1;
}

TEST(HostServices, AsyncSignalsStayBlockedUntilTheOutermostRestore)
{
    ASSERT_FALSE(isBlocked(SIGINT));
    utRestoreAsyncSignals(); // without a block: nothing to restore
    EXPECT_FALSE(isBlocked(SIGINT));

    // Started before the block: a new thread would inherit the mask.
    std::promise<void> blocked;
    std::future<bool> blockedElsewhere
        = std::async(std::launch::async, [ready = blocked.get_future()]() mutable {
              ready.wait();
              return isBlocked(SIGINT);
          });
    utBlockAsyncSignals();
    blocked.set_value();
    EXPECT_TRUE(isBlocked(SIGINT));
    EXPECT_TRUE(isBlocked(SIGTERM));
    EXPECT_FALSE(blockedElsewhere.get()) << "the mask is per thread";

    utBlockAsyncSignals();
    utRestoreAsyncSignals();
    EXPECT_TRUE(isBlocked(SIGINT));
    utRestoreAsyncSignals();
    EXPECT_FALSE(isBlocked(SIGINT));
}

TEST(HostServices, EventManagementIsInstalledOnceWithAFixedHandleAndCountsRedoEvents)
{
    VXHost::HostEventManagement* installed = VXHost::installHostServices();
    ASSERT_NE(installed, nullptr);
    EXPECT_EQ(VXHost::installHostServices(), installed) << "runHost installed it already";

    auto* service = VXServices::VXService<VXServices::EventManagement>::get();
    ASSERT_EQ(service, installed) << "not visible through the service registry";
    EXPECT_NE(service->getEventHandle(), 0);
    EXPECT_EQ(service->getEventHandle(), service->getEventHandle());

    const int calls = installed->redoEventsCalls();
    installed->setRedoEventsResult(3);
    EXPECT_EQ(service->redoEvents(), 3);
    installed->setRedoEventsResult(0);
    EXPECT_EQ(service->redoEvents(), 0);
    EXPECT_EQ(installed->redoEventsCalls(), calls + 2);

    const int notifications = installed->eventsPendingNotifications();
    service->notifyEventsPending();
    EXPECT_EQ(installed->eventsPendingNotifications(), notifications + 1);
}

} // namespace
