// A creation for a key that still has an object (a host that sends two, or a proxy address the
// allocator handed out again): the new object takes the key and the old one goes as a destroy
// would take it. Before, the old one was only dropped from the registry and lived on with no
// owner, a free layout leaked for good.
#include "engine/VXGridLayout.h"
#include "engine/VXHBoxLayout.h"
#include "engine/VXPanel.h"
#include "engine/VXVBoxLayout.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtInt5Message.h"
#include "messaging/VXGuiThread.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiGridLayout.h"
#include "vx_qtgui/GuiHBoxLayout.h"
#include "vx_qtgui/GuiPanel.h"
#include "vx_qtgui/GuiVBoxLayout.h"

#include <QLayout>
#include <QPointer>

#include <functional>
#include <ostream>

using namespace testing;
using namespace vxtest;

namespace {

class RecreationTest;

struct RecreationCase {
    const char* name;
    // Makes the proxy whose key gets the second creation.
    std::function<VXWidget*(RecreationTest&)> first;
    // The second creation for `key`; `panel` is a live panel to parent widgets.
    std::function<QtMessage*(void* key, void* panel)> second;
    // Whether the key's object is of the second creation's kind.
    std::function<bool(GuiObject*)> isSecond;
};

void PrintTo(const RecreationCase& row, std::ostream* out)
{
    *out << row.name;
}

class RecreationTest : public WidgetLeakTest, public testing::WithParamInterface<RecreationCase> {
public:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_panel = own(bridge()->createPanel());
    }

    VXPanel* m_panel = nullptr;
};

template <class T> bool is(GuiObject* object)
{
    return dynamic_cast<T*>(object) != nullptr;
}

// GUI thread: the registered object of `proxy` as a QObject, watched.
QPointer<QObject> watch(const void* proxy)
{
    return QPointer<QObject>(dynamic_cast<QObject*>(findWidget(proxy)));
}

TEST_P(RecreationTest, OldObjectGoesAndTheNewOneTakesTheKey)
{
    const RecreationCase& row = GetParam();
    VXWidget* proxy = row.first(*this);
    QPointer<QObject> old; // GUI thread
    bool built = false;
    ASSERT_TRUE(runOnGuiThread([&] {
        old = watch(proxy);
        built = !old.isNull();
    }));
    ASSERT_TRUE(built) << row.name;

    QtMessageHolder second(row.second(proxy, m_panel));
    QtBridge::m_thread->sendMessage(second, nullptr);

    // A widget still waiting for its polish request is deleted once the loop turns.
    EXPECT_TRUE(pumpUntilOnGui([&] { return old.isNull(); }))
        << row.name << ": the replaced object lives on with no owner";
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(row.isSecond(findWidget(proxy))) << row.name;
        old.clear();
    }));
    // The proxy's destroy takes the new object; the fixture checks nothing is left.
}

const RecreationCase kCases[] = {
    { "FreeHBoxByFreePanel",
        [](RecreationTest& test) -> VXWidget* { return test.own(bridge()->createHBoxLayout()); },
        [](void* key, void*) { return new QtMessage(key, PNLCreate2Msg); }, &is<GuiPanel> },
    { "FreeVBoxByButton",
        [](RecreationTest& test) -> VXWidget* { return test.own(bridge()->createVBoxLayout()); },
        [](void* key, void* panel) -> QtMessage* {
            return new QtHandleStr4Message(key, BTNCreateMsg, panel, "b", "", "", "", false);
        },
        &is<GuiButton> },
    { "FreeGridByFreeHBox",
        [](RecreationTest& test) -> VXWidget* {
            return test.own(bridge()->createGridLayout(2, 2));
        },
        [](void* key, void*) { return new QtMessage(key, LAYCreateHBox2Msg); },
        &is<GuiHBoxLayout> },
    { "PanelLayoutByFreeGrid",
        [](RecreationTest& test) -> VXWidget* {
            return test.own(bridge()->createHBoxLayout(test.m_panel));
        },
        [](void* key, void*) -> QtMessage* {
            return new QtInt5Message(key, LAYCreateGrid2Msg, 1, 1);
        },
        &is<GuiGridLayout> },
    { "NestedLayoutByFreeVBox",
        [](RecreationTest& test) -> VXWidget* {
            VXVBoxLayout* column = test.own(bridge()->createVBoxLayout(test.m_panel));
            VXHBoxLayout* row = test.own(bridge()->createHBoxLayout());
            column->addLayout(row, 0);
            return row;
        },
        [](void* key, void*) { return new QtMessage(key, LAYCreateVBox2Msg); },
        &is<GuiVBoxLayout> },
    { "FreePanelByFreeVBox",
        [](RecreationTest& test) -> VXWidget* { return test.own(bridge()->createPanel()); },
        [](void* key, void*) { return new QtMessage(key, LAYCreateVBox2Msg); },
        &is<GuiVBoxLayout> },
};

INSTANTIATE_TEST_SUITE_P(CreationOverLiveKey, RecreationTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<RecreationCase>& info) { return info.param.name; });

} // namespace
