// Check boxes driven by the host through the bridge and toggled by the user.
#include "engine/VXCheckBox.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiCheckBox.h"

using namespace testing;
using namespace vxtest;

namespace {

class CheckBoxTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_box = own(bridge()->createCheckBox(nullptr, "Wrap"));
        ASSERT_NE(m_box, nullptr);
        m_box->addEventListener(&m_toggles, CheckBoxToggleEvent);
        m_box->addEventListener(&m_help, CSHAccelEvent);
    }

    GuiCheckBox* widget() { return widgetOf<GuiCheckBox>(m_box); }

    EventLog m_toggles;
    EventLog m_help;
    VXCheckBox* m_box = nullptr;
};

TEST_F(CheckBoxTest, PlainSettersReachTheWidgetAndRaiseNothing)
{
    EXPECT_EQ(m_box->getLabel(), u"Wrap");
    m_box->setChecked(true);
    EXPECT_TRUE(m_box->getChecked());
    m_box->setBackgroundColor(1, 2, 3);
    m_box->setShadowColor(300, -5, 7); // out of range is clamped, not refused
    double r = -1, g = -1, b = -1;
    ASSERT_TRUE(m_box->getBackgroundColor(r, g, b));
    EXPECT_EQ(r, 1.0);
    EXPECT_EQ(g, 2.0);
    EXPECT_EQ(b, 3.0);
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(
            widget()->palette().color(QPalette::Inactive, QPalette::Shadow), QColor(255, 0, 7));
    }));

    deliverEvents();
    EXPECT_THAT(m_toggles.values(), IsEmpty()) << "plain setters raise nothing";
}

TEST_F(CheckBoxTest, ImSetCheckedRaisesExactlyOneToggleWithTheNewState)
{
    m_box->imSetChecked(true);
    EXPECT_TRUE(m_box->getChecked());
    deliverEvents();
    EXPECT_THAT(m_toggles.values(), ElementsAre(1));
    EXPECT_THAT(m_toggles.states(), ElementsAre(true));

    m_box->imSetChecked(false);
    EXPECT_FALSE(m_box->getChecked());
    deliverEvents();
    EXPECT_THAT(m_toggles.values(), ElementsAre(1, 0));
    EXPECT_THAT(m_toggles.states(), ElementsAre(true, false));
}

TEST_F(CheckBoxTest, UserClickTogglesAndReportsTheNewState)
{
    m_box->setRect(0, 0, 120, 24);
    m_box->show();
    EXPECT_TRUE(m_box->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] { QTest::mouseClick(widget(), Qt::LeftButton); }));
    deliverEvents();
    EXPECT_THAT(m_toggles.values(), ElementsAre(1));
    EXPECT_TRUE(m_box->getChecked());
}

TEST_F(CheckBoxTest, ShiftF1AsksForHelpWithoutValueAndPlainF1DoesNot)
{
    m_box->show();
    EXPECT_TRUE(m_box->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] {
        QTest::keyClick(widget(), Qt::Key_F1, Qt::ShiftModifier);
        QTest::keyClick(widget(), Qt::Key_F1);
    }));
    deliverEvents();
    EXPECT_THAT(m_help.values(), ElementsAre(0));
    EXPECT_THAT(m_toggles.values(), IsEmpty());
}

TEST_F(CheckBoxTest, HighlightReachesTheWidgetAndPaints)
{
    m_box->setWidgethighlight(true, 255, 0, 0, 128);
    EXPECT_TRUE(m_box->isWidgetHighlighted());
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(widget()->highlightRed(), 255);
        EXPECT_NEAR(widget()->highlightAlpha(), 128 / 255.0, 1e-9);
        widget()->repaint(); // the highlight paint must not disturb the normal one
    }));
    m_box->setWidgethighlight(false, 0, 0, 0, 0);
    EXPECT_FALSE(m_box->isWidgetHighlighted());
}

} // namespace
