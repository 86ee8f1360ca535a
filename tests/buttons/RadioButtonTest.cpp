// Plain radio buttons driven by the host: they answer getters and report nothing back.
#include "engine/VXBridge.h"
#include "engine/VXPanel.h"
#include "engine/VXRadioButton.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/WidgetLeakTest.h"
#include "vx_qtgui/GuiRadioButton.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QTest>

#include <memory>

using testing::IsEmpty;
using vxtest::deliverEvents;
using vxtest::EventLog;
using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

class RadioButtonTest : public vxtest::WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_radio = own(vxtest::bridge()->createRadioButton(nullptr));
        ASSERT_NE(m_radio, nullptr);
        m_anything.watch(
            m_radio, { ButtonPressEvent, CheckBoxToggleEvent, GRBClickedEvent, ContextMenuEvent });
    }

    GuiRadioButton* widget() { return widgetOf<GuiRadioButton>(m_radio); }

    EventLog m_anything;
    VXRadioButton* m_radio = nullptr;
};

TEST_F(RadioButtonTest, StartsWithoutLabelAndLabelsRoundTripInBothForms)
{
    EXPECT_EQ(m_radio->getLabel(), u"");
    ASSERT_TRUE(runOnGuiThread([this] { EXPECT_TRUE(widget()->objectName().isEmpty()); }));
    m_radio->setLabel(u"Left \u00e9dge");
    EXPECT_EQ(m_radio->getLabel(), u"Left \u00e9dge");
    m_radio->setLabel("Right");
    EXPECT_EQ(m_radio->getLabel(), u"Right");
}

TEST_F(RadioButtonTest, UserClickChecksItAndReportsNothing)
{
    m_radio->setLabel("Pick me");
    // A radio button is shown with its container; it takes no show message of its own.
    ASSERT_TRUE(runOnGuiThread([this] { widget()->show(); }));
    EXPECT_TRUE(m_radio->isVisible());
    EXPECT_TRUE(m_radio->isEnabled());
    EXPECT_FALSE(m_radio->isChecked());
    ASSERT_TRUE(runOnGuiThread([this] {
        QTest::mouseClick(widget(), Qt::LeftButton, {}, QPoint(4, widget()->height() / 2));
    }));
    EXPECT_TRUE(m_radio->isChecked());
    deliverEvents();
    EXPECT_THAT(m_anything.values(), IsEmpty());
    m_radio->hide();
    EXPECT_FALSE(m_radio->isVisible());
}

TEST_F(RadioButtonTest, ParentWithoutWidgetGivesATopLevelButton)
{
    VXPanel noWidget;
    std::unique_ptr<VXRadioButton> child(vxtest::bridge()->createRadioButton(&noWidget));
    ASSERT_NE(child, nullptr);
    child->setLabel("orphan");
    EXPECT_EQ(child->getLabel(), u"orphan");
    ASSERT_TRUE(runOnGuiThread([&] {
        auto* button = widgetOf<GuiRadioButton>(child.get());
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), nullptr);
    }));
    child.reset();
    EXPECT_TRUE(noWidget.getChildren().empty());
}

} // namespace
