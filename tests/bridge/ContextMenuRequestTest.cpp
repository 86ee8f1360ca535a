#include "engine/VXBridge.h"
#include "engine/VXCheckBox.h"
#include "engine/VXEdit.h"
#include "engine/VXGroupedRadioButton.h"
#include "engine/VXText.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/WidgetLeakTest.h"
#include "vx_qtgui/GuiObject.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using testing::ElementsAre;
using vxtest::bridge;

namespace {

struct Requester {
    const char* name;
    std::function<VXWidget*()> make;
    VXEventType reported;
    std::u16string text; // what the event carries
    std::vector<VXEventType> quiet; // listened to as well; must stay silent
};

const Requester s_requesters[] = {
    { "CheckBox", [] { return bridge()->createCheckBox(nullptr, "Wrap"); }, ContextMenuEvent, u"",
        { CheckBoxToggleEvent } },
    { "GroupedRadioButton",
        [] {
            auto* group = bridge()->createGroupedRadioButton(nullptr, 3);
            group->insertRadioButtons({ u"a", u"b", u"c" });
            return group;
        },
        ContextMenuEvent, u"", { GRBClickedEvent } },
    { "TextBox", [] { return bridge()->createTextBox(nullptr, u"Label"); }, ContextMenuEvent, u"",
        {} },
    // An edit field reports only when the host asked for its own menu, with the field's text.
    { "Edit",
        [] {
            VXEdit* edit = bridge()->createEdit(nullptr, "menu");
            edit->setUseCustomContextMenu(true);
            return edit;
        },
        EDITContextMenuEvent, u"menu", { EDITTextChangedEvent } },
};

class ContextMenuRequestTest : public vxtest::WidgetLeakTest,
                               public testing::WithParamInterface<Requester> { };

TEST_P(ContextMenuRequestTest, ReachesTheHostOnceAsItsKindsEvent)
{
    std::unique_ptr<VXWidget> proxy(GetParam().make());
    ASSERT_NE(proxy, nullptr);
    vxtest::EventLog log;
    log.watch(proxy.get(), { GetParam().reported });
    log.watch(proxy.get(), GetParam().quiet);
    ASSERT_TRUE(vxtest::runOnGuiThread([&] {
        auto* widget = vxtest::widgetOf<QWidget>(proxy.get());
        ASSERT_NE(widget, nullptr);
        widget->show();
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2));
        QCoreApplication::sendEvent(widget, &request);
    }));
    vxtest::deliverEvents();
    EXPECT_THAT(log.types(), ElementsAre(GetParam().reported));
    EXPECT_THAT(log.values(), ElementsAre(0));
    EXPECT_THAT(log.texts(), ElementsAre(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(EveryKind, ContextMenuRequestTest, testing::ValuesIn(s_requesters),
    [](const testing::TestParamInfo<Requester>& info) { return std::string(info.param.name); });

} // namespace
