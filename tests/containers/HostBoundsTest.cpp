// Numbers a host passes that Qt would turn into an allocation, an index or a loop count, at
// their extremes: every kind of argument with INT_MIN, -1, 0 and INT_MAX must leave the GUI
// thread answering and the widget within GuiLimits.
#include "engine/VXButton.h"
#include "engine/VXGridLayout.h"
#include "engine/VXHBoxLayout.h"
#include "engine/VXPanel.h"
#include "engine/VXSlider.h"
#include "engine/VXWidgetStack.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiGridLayout.h"
#include "vx_qtgui/GuiHBoxLayout.h"
#include "vx_qtgui/GuiLimits.h"
#include "vx_qtgui/GuiSlider.h"
#include "vx_qtgui/GuiWidgetStack.h"

#include <QApplication>
#include <QSpacerItem>

#include <climits>
#include <functional>
#include <string>
#include <tuple>

using namespace testing;
using namespace vxtest;

namespace {

// The proxies one case works on; all live under one panel.
struct Scene {
    VXPanel* panel;
    VXGridLayout* grid;
    VXHBoxLayout* row;
    VXButton* button;
    VXSlider* slider;
    VXWidgetStack* stack;
};

struct BoundCase {
    const char* name;
    std::function<void(const Scene&, int)> apply;
    // GUI thread: checks the outcome for the value applied.
    std::function<void(const Scene&, int)> check;
};

GuiGridLayout* gridOf(const Scene& s)
{
    return widgetOf<GuiGridLayout>(s.grid);
}

bool gridHoldsButton(const Scene& s)
{
    return gridOf(s)->indexOf(widgetOf<GuiButton>(s.button)) >= 0;
}

// Every case also checks that the grid stays within its bound.
const BoundCase kCases[] = {
    { "grid_cell", [](const Scene& s, int v) { s.grid->addWidget(s.button, v, v, 0); },
        [](const Scene& s, int v) { EXPECT_EQ(gridHoldsButton(s), v == 0); } },
    { "grid_span_end", [](const Scene& s, int v) { s.grid->addWidget(s.button, 0, v, 0, v, 0); },
        [](const Scene& s, int v) {
            EXPECT_EQ(gridHoldsButton(s), v <= GuiLimits::MaxGridIndex);
        } },
    { "grid_span_start", [](const Scene& s, int v) { s.grid->addWidget(s.button, v, 1, v, 1, 0); },
        [](const Scene& s, int v) { EXPECT_EQ(gridHoldsButton(s), v <= 1); } },
    { "grid_stretch_index", [](const Scene& s, int v) { s.grid->setRowStretchFactor(v, 1); },
        [](const Scene& s, int v) { EXPECT_EQ(gridOf(s)->rowStretch(0), v == 0 ? 1 : 0); } },
    { "grid_stretch_value",
        [](const Scene& s, int v) {
            s.grid->setColStretchFactor(0, v);
            s.grid->setRowStretchFactor(0, v);
            s.panel->show();
        },
        [](const Scene& s, int v) {
            const int expected = v < 0 ? 0 : std::min(v, GuiLimits::MaxStretch);
            EXPECT_EQ(gridOf(s)->columnStretch(0), expected);
            EXPECT_EQ(gridOf(s)->rowStretch(0), expected);
        } },
    { "grid_stretch_arrays",
        [](const Scene& s, int v) {
            const int factors[] = { v, v };
            s.grid->setStretchFactors(factors, factors, 2, 2);
            s.panel->show();
        },
        [](const Scene& s, int) {
            for (int i = 0; i < 2; ++i) {
                EXPECT_GE(gridOf(s)->rowStretch(i), 0);
                EXPECT_LE(gridOf(s)->columnStretch(i), GuiLimits::MaxStretch);
            }
        } },
    { "grid_margin", [](const Scene& s, int v) { s.grid->setMargin(v); },
        [](const Scene& s, int) {
            const int margin = gridOf(s)->contentsMargins().left();
            EXPECT_GE(margin, 0);
            EXPECT_LE(margin, GuiLimits::MaxMargin);
        } },
    { "box_stretch",
        [](const Scene& s, int v) {
            s.row->addWidget(s.button, v);
            s.panel->show();
        },
        [](const Scene& s, int) {
            auto* row = widgetOf<GuiHBoxLayout>(s.row);
            const int at = row->indexOf(widgetOf<GuiButton>(s.button));
            ASSERT_GE(at, 0);
            EXPECT_GE(row->stretch(at), 0);
            EXPECT_LE(row->stretch(at), GuiLimits::MaxStretch);
        } },
    { "spacer_size", [](const Scene& s, int v) { s.row->addSpacerWidget(v, v); },
        [](const Scene& s, int) {
            auto* row = widgetOf<GuiHBoxLayout>(s.row);
            ASSERT_GT(row->count(), 0);
            QSpacerItem* spacer = row->itemAt(row->count() - 1)->spacerItem();
            ASSERT_NE(spacer, nullptr);
            EXPECT_GE(spacer->sizeHint().width(), 0);
            EXPECT_LE(spacer->sizeHint().height(), GuiLimits::MaxExtent);
        } },
    { "minimum_and_maximum_size",
        [](const Scene& s, int v) {
            s.button->setMinimumSize(v, v);
            s.slider->setMaximumSize(v, v);
        },
        [](const Scene& s, int) {
            const QSize least = widgetOf<GuiButton>(s.button)->minimumSize();
            const QSize most = widgetOf<GuiSlider>(s.slider)->maximumSize();
            EXPECT_GE(least.width(), 0);
            EXPECT_LE(least.height(), GuiLimits::MaxExtent);
            EXPECT_GE(most.width(), 0);
            EXPECT_LE(most.height(), GuiLimits::MaxExtent);
        } },
    { "font_point_size",
        [](const Scene& s, int v) {
            s.button->setFont("", v, -1, -1, -1);
            s.panel->show();
        },
        [](const Scene& s, int) {
            const int size = widgetOf<GuiButton>(s.button)->font().pointSize();
            EXPECT_GE(size, 1);
            EXPECT_LE(size, GuiLimits::MaxPointSize);
        } },
    { "slider_range_and_ticks",
        [](const Scene& s, int v) {
            s.slider->setMinValue(v == INT_MAX ? INT_MIN : v == INT_MIN ? INT_MAX : -v);
            s.slider->setMaxValue(v);
            s.slider->setTickInterval(1);
            s.panel->show();
        },
        [](const Scene& s, int) {
            auto* slider = widgetOf<GuiSlider>(s.slider);
            const long long range = static_cast<long long>(slider->maximum()) - slider->minimum();
            ASSERT_GT(slider->tickInterval(), 0);
            EXPECT_LE(range / slider->tickInterval(), GuiLimits::MaxSliderTicks);
            EXPECT_LE(slider->maximum(), GuiLimits::MaxSliderMagnitude);
            EXPECT_GE(slider->minimum(), -GuiLimits::MaxSliderMagnitude);
        } },
    { "stack_index", [](const Scene& s, int v) { s.stack->addWidget(s.button, v); },
        [](const Scene& s, int) {
            EXPECT_EQ(widgetOf<GuiWidgetStack>(s.stack)->indexOf(widgetOf<GuiButton>(s.button)), 0);
        } },
};

const int kValues[] = { INT_MIN, -1, 0, INT_MAX };

class HostBoundsTest : public WidgetLeakTest,
                       public testing::WithParamInterface<std::tuple<BoundCase, int>> { };

TEST_P(HostBoundsTest, StaysWithinItsBound)
{
    const BoundCase& row = std::get<0>(GetParam());
    const int value = std::get<1>(GetParam());
    VXBridge* bridge = vxtest::bridge();
    Scene s {};
    s.panel = own(bridge->createPanel(nullptr, "bounds"));
    s.grid = own(bridge->createGridLayout(s.panel, 2, 2));
    VXPanel* side = own(bridge->createPanel(s.panel, "side"));
    s.row = own(bridge->createHBoxLayout(side));
    s.button = own(bridge->createButton(s.panel, "b"));
    s.slider = own(bridge->createSlider(s.panel, "slider"));
    s.stack = own(bridge->createWidgetStack(s.panel));
    row.apply(s, value);
    // A synchronous round trip: everything posted has run and the GUI thread still answers.
    widgetCount();
    ASSERT_TRUE(runOnGuiThread([&] {
        row.check(s, value);
        EXPECT_LE(gridOf(s)->rowCount(), GuiLimits::MaxGridIndex + 1);
        EXPECT_LE(gridOf(s)->columnCount(), GuiLimits::MaxGridIndex + 1);
        QApplication::processEvents(); // lays out and paints what was shown
    }));
    widgetCount();
}

std::string caseName(const testing::TestParamInfo<std::tuple<BoundCase, int>>& info)
{
    const int value = std::get<1>(info.param);
    const char* label = value == INT_MIN ? "int_min"
        : value == INT_MAX               ? "int_max"
        : value < 0                      ? "minus_one"
                                         : "zero";
    return std::string(std::get<0>(info.param).name) + "_" + label;
}

INSTANTIATE_TEST_SUITE_P(Arguments, HostBoundsTest,
    testing::Combine(testing::ValuesIn(kCases), testing::ValuesIn(kValues)), caseName);

} // namespace
