#include "vrix/services/ServiceRegistry.h"

#include <gtest/gtest.h>

namespace {

using VXServices::Service;
using VXServices::ServiceRegistry;
using VXServices::VXService;

struct Counted : Service {
    static const char* serviceName() { return "TestCountedService"; }
    explicit Counted(int tag)
        : tag(tag)
    {
    }
    ~Counted() override { ++destroyed[tag]; }
    int tag;
    static int destroyed[4];
};
int Counted::destroyed[4] = {};

// Shares the name with Counted but is another type.
struct Impostor : Service {
    static const char* serviceName() { return "TestCountedService"; }
};

// Looks the registry up while being destroyed, as a service tearing down its peers would.
struct LooksUpWhenDestroyed : Service {
    static const char* serviceName() { return "TestReentrantService"; }
    ~LooksUpWhenDestroyed() override
    {
        sawSuccessor = ServiceRegistry::instance().find(serviceName()) != nullptr;
    }
    static bool sawSuccessor;
};
bool LooksUpWhenDestroyed::sawSuccessor = false;

class ServiceRegistryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ServiceRegistry::instance().clear();
        for (int& count : Counted::destroyed)
            count = 0;
    }
    void TearDown() override { ServiceRegistry::instance().clear(); }
};

TEST_F(ServiceRegistryTest, InstallReplacesAndDestroysThePreviousObjectExactlyOnce)
{
    VXService<Counted>::install(new Counted(0));
    ASSERT_NE(VXService<Counted>::get(), nullptr);
    EXPECT_EQ(VXService<Counted>::get()->tag, 0);

    VXService<Counted>::install(new Counted(1));
    EXPECT_EQ(Counted::destroyed[0], 1);
    EXPECT_EQ(Counted::destroyed[1], 0);
    EXPECT_EQ(VXService<Counted>::get()->tag, 1);

    ServiceRegistry::instance().clear();
    EXPECT_EQ(Counted::destroyed[0], 1);
    EXPECT_EQ(Counted::destroyed[1], 1);
    EXPECT_EQ(VXService<Counted>::get(), nullptr);
}

TEST_F(ServiceRegistryTest, NullInstallEmptiesAnEntryAndAnotherTypeUnderItsNameIsNull)
{
    VXService<Counted>::install(nullptr);
    EXPECT_EQ(ServiceRegistry::instance().find(Counted::serviceName()), nullptr);

    VXService<Counted>::install(new Counted(2));
    VXService<Counted>::install(nullptr);
    EXPECT_EQ(Counted::destroyed[2], 1);
    EXPECT_EQ(VXService<Counted>::get(), nullptr);
    ServiceRegistry::instance().clear();
    EXPECT_EQ(Counted::destroyed[2], 1); // not destroyed a second time

    // A typed look-up of another type under the same name gives null.
    VXService<Counted>::install(new Counted(3));
    EXPECT_EQ(VXService<Impostor>::get(), nullptr);
    EXPECT_NE(VXService<Counted>::get(), nullptr);
    EXPECT_EQ(VXService<LooksUpWhenDestroyed>::get(), nullptr); // nothing under that name
}

TEST_F(ServiceRegistryTest, AReplacedServiceMayUseTheRegistryWhileItIsDestroyed)
{
    LooksUpWhenDestroyed::sawSuccessor = false;
    VXService<LooksUpWhenDestroyed>::install(new LooksUpWhenDestroyed);
    VXService<LooksUpWhenDestroyed>::install(new LooksUpWhenDestroyed);
    EXPECT_TRUE(LooksUpWhenDestroyed::sawSuccessor);
}

} // namespace
