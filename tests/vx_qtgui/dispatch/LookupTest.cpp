// lookup(VXObject*) asks the proxy which registry keeps its GUI object: the pointer registry
// (by address) or the id registry (by number).
#include "engine/VXObject.h"
#include "tests/messaging/GuiTestEnvironment.h"
#include "tests/messaging/ProbeWidget.h"
#include "vx_qtgui/GuiLookup.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

using vxtest::runOnGui;

namespace {

// A proxy whose GUI object is kept by id, as another library's objects are.
class KeptById : public VXObject {
public:
    int registryKind() const override { return RegisteredById; }
};

struct KindCase {
    bool byId;
    const char* name;
};

void PrintTo(const KindCase& c, std::ostream* os)
{
    *os << c.name;
}

class LookupTest : public testing::TestWithParam<KindCase> {
protected:
    void SetUp() override { vxtest::startGuiThreadOnce(); }
};

TEST_P(LookupTest, FindsTheObjectInTheRegistryItsKindNames)
{
    const KindCase kind = GetParam();
    std::unique_ptr<VXObject> proxy
        = kind.byId ? std::make_unique<KeptById>() : std::make_unique<VXObject>();
    // One GUI object under the proxy's address, another under its id: the kind picks one.
    GuiObject *found = nullptr, *byAddress = nullptr, *byId = nullptr, *spare = nullptr;
    const int before = vxtest::guiObjectCount();
    runOnGui([&] {
        byAddress = new vxtest::ProbeWidget(proxy.get(), {});
        byId = new vxtest::ProbeWidget(nullptr, {});
        spare = new vxtest::ProbeWidget(nullptr, {});
        VRIX::addObject(proxy->getUID(), byId);
        VRIX::addObject(proxy->getUID(), spare); // an id keeps its first object
        found = VRIX::lookup(proxy.get());
    });
    EXPECT_EQ(found, kind.byId ? byId : byAddress);
    // Both registries count towards the widget count.
    EXPECT_EQ(vxtest::guiObjectCount(), before + 2);

    // Gone from its own registry: null, never the other registry's object; a null proxy finds
    // nothing.
    runOnGui([&] {
        EXPECT_EQ(VRIX::lookup(static_cast<VXObject*>(nullptr)), nullptr);
        if (kind.byId)
            VRIX::removeObject(proxy->getUID());
        else
            delete byAddress;
        found = VRIX::lookup(proxy.get());
    });
    EXPECT_EQ(found, nullptr);

    // A stale proxy address is not asked its kind: it is only a key for the pointer registry.
    VXObject* stale = proxy.get();
    const unsigned id = proxy->getUID();
    proxy.reset();
    runOnGui([&] {
        found = VRIX::lookup(stale);
        if (kind.byId) {
            VRIX::removeObject(id);
            delete byAddress;
        }
        delete byId;
        delete spare;
    });
    EXPECT_EQ(found, kind.byId ? byAddress : nullptr);
}

INSTANTIATE_TEST_SUITE_P(RegistryKinds, LookupTest,
    testing::Values(KindCase { false, "ByAddress" }, KindCase { true, "ById" }),
    [](const testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

} // namespace
