// Push buttons driven by the host through the bridge, clicked by the user.
#include "engine/VXButton.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"

using namespace testing;
using namespace vxtest;

namespace {

class ButtonTest : public WidgetLeakTest {
protected:
    std::unique_ptr<VXButton> makeButton(const char* label)
    {
        std::unique_ptr<VXButton> button(bridge()->createButton(nullptr, label));
        button->addEventListener(&m_listener, ButtonPressEvent);
        return button;
    }

    EventLog m_listener;
};

TEST_F(ButtonTest, SettersReachTheWidgetAndGettersReadThemBack)
{
    auto button = makeButton("Run");
    ASSERT_NE(button, nullptr);
    button->setLabel(u"Run now");
    button->setFont("", 14, 1, -1, 1);
    button->setForegroundColor(10, 20, 30);
    button->setBackgroundColor(200, 100, 50);
    button->setRect(10, 20, 100, 30);
    button->setToolTip(u"Starts the run");
    button->show();

    EXPECT_EQ(button->imGetToolTip(), u"Starts the run");
    EXPECT_TRUE(button->isVisible());
    EXPECT_FALSE(button->isIconSet());

    ASSERT_TRUE(onWidget<GuiButton>(button.get(), [&](GuiButton* widget) {
        EXPECT_EQ(widget->text(), QStringLiteral("Run now"));
        EXPECT_EQ(widget->objectName(), QStringLiteral("Run")) << "the name stays the first label";
        EXPECT_EQ(widget->geometry(), QRect(10, 20, 100, 30));
        EXPECT_EQ(widget->font().pointSize(), 14);
        EXPECT_TRUE(widget->font().bold());
        EXPECT_TRUE(widget->font().underline());
        EXPECT_EQ(
            widget->palette().color(QPalette::Inactive, QPalette::ButtonText), QColor(10, 20, 30));
        EXPECT_EQ(
            widget->palette().color(QPalette::Disabled, QPalette::Button), QColor(200, 100, 50));
    }));
}

TEST_F(ButtonTest, EmptyFontMessageLeavesTheFontAlone)
{
    auto button = makeButton("Font");
    QFont before;
    ASSERT_TRUE(runOnGuiThread([&] { before = widgetOf<GuiButton>(button.get())->font(); }));
    button->setFont("", -1, -1, -1, -1);
    button->setFont(nullptr, 17, -1, -1, -1);
    EXPECT_FALSE(button->isVisible()); // a getter: every earlier post has been applied
    ASSERT_TRUE(runOnGuiThread([&] {
        const QFont after = widgetOf<GuiButton>(button.get())->font();
        EXPECT_EQ(after.family(), before.family());
        EXPECT_EQ(after.pointSize(), 17);
        EXPECT_EQ(after.bold(), before.bold());
        EXPECT_EQ(after.italic(), before.italic());
    }));
}

TEST_F(ButtonTest, UserClickReachesTheListenerOnTheEngineThread)
{
    auto button = makeButton("Go");
    button->setRect(0, 0, 80, 24);
    button->show();
    EXPECT_TRUE(button->isVisible()); // a getter: every earlier post has been applied
    ASSERT_TRUE(runOnGuiThread(
        [&] { QTest::mouseClick(widgetOf<GuiButton>(button.get()), Qt::LeftButton); }));
    EXPECT_THAT(m_listener.values(), IsEmpty()) << "events wait for the interpreter";
    deliverEvents();
    EXPECT_THAT(m_listener.values(), ElementsAre(0));
    EXPECT_THAT(m_listener.types(), ElementsAre(ButtonPressEvent));
    EXPECT_EQ(m_listener.events[0].source, button.get());
}

TEST_F(ButtonTest, ImClickRaisesOneEventUnlessDisabledAndSettersRaiseNone)
{
    auto button = makeButton("Go");
    button->setLabel("Again");
    button->setDefault(true);
    button->setFlat(true);
    button->click();
    EXPECT_TRUE(button->isEnabled());
    deliverEvents();
    EXPECT_THAT(m_listener.values(), ElementsAre(0));

    button->setEnabled(false);
    button->click();
    EXPECT_FALSE(button->isEnabled());
    deliverEvents();
    EXPECT_EQ(m_listener.values().size(), 1u) << "Qt does not click a disabled button";
}

TEST_F(ButtonTest, OkButtonBecomesDefaultWhenRelabelled)
{
    auto ok = makeButton("OK");
    auto apply = makeButton("Apply");
    ok->setLabel("Accept");
    apply->setLabel("Use");
    EXPECT_FALSE(ok->isVisible());
    ASSERT_TRUE(onWidget<GuiButton>(ok.get(), [&](GuiButton* okWidget) {
        EXPECT_TRUE(okWidget->isDefault());
        EXPECT_EQ(okWidget->objectName(), QStringLiteral("OK"));
        EXPECT_FALSE(okWidget->isApplyButton());
        EXPECT_TRUE(widgetOf<GuiButton>(apply.get())->isApplyButton());
        EXPECT_FALSE(widgetOf<GuiButton>(apply.get())->isDefault());
    }));
}

} // namespace
