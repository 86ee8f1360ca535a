// Plain radio buttons driven by the host: they answer getters and report nothing back.
#include "engine/VXPanel.h"
#include "engine/VXRadioButton.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiRadioButton.h"

using namespace testing;
using namespace vxtest;

namespace {

class RadioButtonTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_radio = own(bridge()->createRadioButton(nullptr));
        ASSERT_NE(m_radio, nullptr);
        m_anything.watch(
            m_radio, { ButtonPressEvent, CheckBoxToggleEvent, GRBClickedEvent, ContextMenuEvent });
    }

    GuiRadioButton* widget() { return widgetOf<GuiRadioButton>(m_radio); }

    EventLog m_anything;
    VXRadioButton* m_radio = nullptr;
};

TEST_F(RadioButtonTest, UserClickChecksItAndReportsNothing)
{
    EXPECT_EQ(m_radio->getLabel(), u"");
    m_radio->setLabel(u"Left \u00e9dge");
    EXPECT_EQ(m_radio->getLabel(), u"Left \u00e9dge");
    m_radio->setLabel("Pick me");
    EXPECT_EQ(m_radio->getLabel(), u"Pick me");
    // A radio button is shown with its container; it takes no show message of its own.
    ASSERT_TRUE(runOnGuiThread([this] { widget()->show(); }));
    EXPECT_TRUE(m_radio->isVisible());
    EXPECT_FALSE(m_radio->isChecked());
    ASSERT_TRUE(runOnGuiThread([this] {
        QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(4, widget()->height() / 2));
    }));
    EXPECT_TRUE(m_radio->isChecked());
    deliverEvents();
    EXPECT_THAT(m_anything.values(), IsEmpty());
}

TEST_F(RadioButtonTest, ParentWithoutWidgetGivesATopLevelButton)
{
    VXPanel noWidget;
    std::unique_ptr<VXRadioButton> child(bridge()->createRadioButton(&noWidget));
    ASSERT_NE(child, nullptr);
    child->setLabel("orphan");
    EXPECT_EQ(child->getLabel(), u"orphan");
    ASSERT_TRUE(onWidget<GuiRadioButton>(
        child.get(), [&](GuiRadioButton* button) { EXPECT_EQ(button->parentWidget(), nullptr); }));
    child.reset();
    EXPECT_TRUE(noWidget.getChildren().empty());
}

} // namespace
