// Grid and box layouts built by the host: placement, stretch, margins, removal. And a creation
// for a key that still has an object (a host that sends two, or a proxy address the allocator
// handed out again): the new object takes the key and the old one goes as a destroy would.
#include "engine/VXButton.h"
#include "engine/VXGridLayout.h"
#include "engine/VXHBoxLayout.h"
#include "engine/VXPanel.h"
#include "engine/VXVBoxLayout.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtInt5Message.h"
#include "messaging/VXGuiThread.h"
#include "tests/support/WidgetTest.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiGridLayout.h"
#include "vx_qtgui/GuiHBoxLayout.h"
#include "vx_qtgui/GuiPanel.h"
#include "vx_qtgui/GuiVBoxLayout.h"

#include <QPointer>

#include <functional>
#include <tuple>

using namespace testing;
using namespace vxtest;

namespace {

class LayoutTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_panel = own(bridge()->createPanel());
        m_panel->setRect(0, 0, 420, 200);
    }

    VXButton* button(const char* label) { return bridge()->createButton(m_panel, label); }

    // GUI thread: row, column, row span, column span and alignment of `widget` in `grid`.
    static std::tuple<int, int, int, int, int> placementOf(QGridLayout* grid, QWidget* widget)
    {
        int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
        const int index = grid->indexOf(widget);
        if (index < 0)
            return { row, column, rowSpan, columnSpan, 0 };
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        return { row, column, rowSpan, columnSpan, int(grid->itemAt(index)->alignment()) };
    }

public:
    VXPanel* m_panel = nullptr;
};

TEST_F(LayoutTest, GridPlacementSpansAndAlignments)
{
    VXGridLayout* grid = bridge()->createGridLayout(m_panel, 1, 1);
    VXButton* spanned = button("spanned");
    VXButton* toEnd = button("to end");
    VXButton* corner = button("corner");
    grid->addWidget(corner, 3, 4, 11);
    grid->addWidget(spanned, 1, 2, 0, 3, 6);
    grid->addWidget(toEnd, -5, -1, 0, -1, 0);
    m_panel->show();
    ASSERT_TRUE(m_panel->isVisible());
    ASSERT_TRUE(onWidget<GuiGridLayout>(grid, [&](GuiGridLayout* layout) {
        EXPECT_EQ(placementOf(layout, widgetOf<GuiButton>(spanned)),
            std::make_tuple(1, 0, 2, 4, int(Qt::AlignCenter)));
        // A negative start row is row 0; an end of -1 spans to the last row and column.
        EXPECT_EQ(placementOf(layout, widgetOf<GuiButton>(toEnd)),
            std::make_tuple(0, 0, layout->rowCount(), layout->columnCount(), 0));
        EXPECT_EQ(placementOf(layout, widgetOf<GuiButton>(corner)), std::make_tuple(3, 4, 1, 1, 0))
            << "alignment 11 is none";
        EXPECT_EQ(GuiGridLayout::getQtAlignmentFlag(1), Qt::AlignLeft);
        EXPECT_EQ(GuiGridLayout::getQtAlignmentFlag(10), Qt::AlignBottom | Qt::AlignRight);
        EXPECT_EQ(GuiGridLayout::getQtAlignmentFlag(0), Qt::Alignment());
    }));
}

TEST_F(LayoutTest, StretchFactorsAndMarginsFollowTheHost)
{
    VXGridLayout* grid = bridge()->createGridLayout(m_panel, 2, 2);
    const int rows[] = { 1, 2 };
    const int cols[] = { 5 };
    grid->setStretchFactors(rows, cols, 2, 1);
    grid->setStretchFactors(nullptr, cols, 3, 0);
    grid->setRowStretchFactor(3, 4);
    grid->setMargin(7);
    VXButton* narrow = button("narrow");
    VXButton* wide = button("wide");
    grid->addWidget(narrow, 0, 0, 0);
    grid->addWidget(wide, 0, 1, 0);
    grid->setColStretchFactor(1, 3);
    grid->setColStretchFactor(0, 1);
    m_panel->show();
    ASSERT_TRUE(m_panel->isVisible());
    ASSERT_TRUE(onWidget<GuiGridLayout>(grid, [&](GuiGridLayout* layout) {
        layout->activate();
        EXPECT_EQ(layout->rowStretch(0), 1);
        EXPECT_EQ(layout->rowStretch(1), 2);
        EXPECT_EQ(layout->rowStretch(3), 4);
        EXPECT_EQ(layout->columnStretch(0), 1);
        EXPECT_EQ(layout->columnStretch(1), 3);
        EXPECT_EQ(layout->contentsMargins(), QMargins(7, 7, 7, 7));
        EXPECT_GT(widgetOf<GuiButton>(wide)->width(), 2 * widgetOf<GuiButton>(narrow)->width());
    }));
}

TEST_F(LayoutTest, NewLayoutMarginsAreScaledAndTruncated)
{
    ASSERT_TRUE(runOnGuiThread([] { VRIX::setDpiScale(1.75); }));
    auto* free = bridge()->createVBoxLayout();
    auto* column = bridge()->createVBoxLayout(m_panel);
    auto* row = bridge()->createHBoxLayout();
    auto* grid = bridge()->createGridLayout(2, 2);
    column->addLayout(row, 1);
    column->addLayout(grid, 0);
    EXPECT_FALSE(m_panel->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] {
        VRIX::setDpiScale(1.0);
        const QMargins scaled(3, 3, 3, 3); // 2 × 1.75 = 3.5, truncated
        EXPECT_EQ(widgetOf<GuiVBoxLayout>(column)->contentsMargins(), scaled);
        EXPECT_EQ(widgetOf<GuiHBoxLayout>(row)->contentsMargins(), scaled);
        EXPECT_EQ(widgetOf<GuiGridLayout>(grid)->contentsMargins(), scaled);
        QVBoxLayout plain;
        EXPECT_EQ(widgetOf<GuiVBoxLayout>(free)->contentsMargins(), plain.contentsMargins())
            << "a free vertical box keeps Qt's margins";
        EXPECT_EQ(widgetOf<GuiHBoxLayout>(row)->parent(), widgetOf<GuiVBoxLayout>(column));
    }));
    delete free;
    delete grid;
    delete row;
}

TEST_F(LayoutTest, RemovingAndReAddingWidgets)
{
    VXHBoxLayout* row = bridge()->createHBoxLayout(m_panel);
    VXButton* a = button("a");
    VXButton* b = button("b");
    row->addWidget(a, 0);
    row->addWidget(b, 0);
    row->addWidget(a, 2);
    row->addSpacerWidget(10, 5);
    ASSERT_TRUE(onWidget<GuiHBoxLayout>(row, [&](GuiHBoxLayout* layout) {
        ASSERT_EQ(layout->count(), 3) << "a widget added twice is there once";
        EXPECT_EQ(layout->indexOf(widgetOf<GuiButton>(b)), 0);
        EXPECT_EQ(layout->indexOf(widgetOf<GuiButton>(a)), 1) << "and moved to the end";
        EXPECT_EQ(layout->stretch(1), 2);
        ASSERT_NE(layout->itemAt(2)->spacerItem(), nullptr);
        EXPECT_EQ(layout->itemAt(2)->spacerItem()->sizePolicy().horizontalPolicy(),
            QSizePolicy::Expanding);
    }));
    row->removeWidget(a);
    row->removeWidget(nullptr);
    ASSERT_TRUE(onWidget<GuiHBoxLayout>(row, [&](GuiHBoxLayout* layout) {
        EXPECT_EQ(layout->count(), 2);
        EXPECT_EQ(layout->indexOf(widgetOf<GuiButton>(a)), -1);
        EXPECT_NE(widgetOf<GuiButton>(a), nullptr) << "the widget itself stays";
    }));
}

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

class RecreationTest : public LayoutTest, public testing::WithParamInterface<RecreationCase> { };

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
