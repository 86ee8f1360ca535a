// Push buttons, plain radio buttons and check boxes driven by the host through the bridge,
// clicked and keyed by the user.
#include "engine/VXButton.h"
#include "engine/VXCheckBox.h"
#include "engine/VXPanel.h"
#include "engine/VXRadioButton.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiCheckBox.h"
#include "vx_qtgui/GuiRadioButton.h"

#include <QApplication>

#include <tuple>

using namespace testing;
using namespace vxtest;

namespace {

class ButtonTest : public WidgetLeakTest {
protected:
    VXButton* makeButton(const char* label)
    {
        VXButton* button = own(bridge()->createButton(nullptr, label));
        button->addEventListener(&m_log, ButtonPressEvent);
        return button;
    }

    EventLog m_log;
    EventLog m_help;
};

TEST_F(ButtonTest, SettersReachTheWidgetAndAFontMessageChangesOnlyWhatItGives)
{
    VXButton* button = makeButton("Run");
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
    ASSERT_TRUE(onWidget<GuiButton>(button, [&](GuiButton* widget) {
        EXPECT_EQ(widget->text(), QStringLiteral("Run now"));
        EXPECT_EQ(widget->objectName(), QStringLiteral("Run")) << "the name stays the first label";
        EXPECT_EQ(widget->geometry(), QRect(10, 20, 100, 30));
        EXPECT_EQ(widget->font().pointSize(), 14);
        EXPECT_TRUE(widget->font().bold());
        EXPECT_TRUE(widget->font().underline());
        EXPECT_EQ(widget->font().family(), QApplication::font(widget).family());
        EXPECT_EQ(
            widget->palette().color(QPalette::Inactive, QPalette::ButtonText), QColor(10, 20, 30));
        EXPECT_EQ(
            widget->palette().color(QPalette::Disabled, QPalette::Button), QColor(200, 100, 50));
    }));

    button->setFont("", -1, -1, -1, -1);
    button->setFont(nullptr, 17, -1, -1, -1);
    EXPECT_TRUE(button->isVisible()); // a getter: every earlier post has been applied
    ASSERT_TRUE(onWidget<GuiButton>(button, [&](GuiButton* widget) {
        EXPECT_EQ(widget->font().family(), QApplication::font(widget).family());
        EXPECT_EQ(widget->font().pointSize(), 17);
        EXPECT_TRUE(widget->font().bold());
        EXPECT_TRUE(widget->font().underline());
    }));
}

TEST_F(ButtonTest, UserAndHostClicksReachTheListenerOnceEachUnlessDisabled)
{
    VXButton* button = makeButton("Go");
    button->setRect(0, 0, 80, 24);
    button->setLabel("Again");
    button->setDefault(true);
    button->setFlat(true);
    button->show();
    EXPECT_TRUE(button->isVisible());
    ASSERT_TRUE(
        runOnGuiThread([&] { QTest::mouseClick(widgetOf<GuiButton>(button), Qt::LeftButton); }));
    EXPECT_THAT(m_log.values(), IsEmpty()) << "events wait for the interpreter";
    deliverEvents();
    ASSERT_THAT(m_log.types(), ElementsAre(ButtonPressEvent));
    EXPECT_EQ(m_log.events[0].source, button);

    button->click();
    button->setEnabled(false);
    button->click();
    EXPECT_FALSE(button->isEnabled());
    deliverEvents();
    EXPECT_THAT(m_log.values(), ElementsAre(0, 0)) << "Qt does not click a disabled button";
}

TEST_F(ButtonTest, OkButtonBecomesDefaultWhenRelabelled)
{
    VXButton* ok = makeButton("OK");
    VXButton* apply = makeButton("Apply");
    ok->setLabel("Accept");
    apply->setLabel("Use");
    EXPECT_FALSE(ok->isVisible());
    ASSERT_TRUE(onWidget<GuiButton>(ok, [&](GuiButton* okWidget) {
        EXPECT_TRUE(okWidget->isDefault());
        EXPECT_EQ(okWidget->objectName(), QStringLiteral("OK"));
        EXPECT_FALSE(okWidget->isApplyButton());
        EXPECT_TRUE(widgetOf<GuiButton>(apply)->isApplyButton());
        EXPECT_FALSE(widgetOf<GuiButton>(apply)->isDefault());
    }));
}

TEST_F(ButtonTest, RadioButtonChecksOnAClickAndReportsNothing)
{
    VXRadioButton* radio = own(bridge()->createRadioButton(nullptr));
    m_log.watch(
        radio, { ButtonPressEvent, CheckBoxToggleEvent, GRBClickedEvent, ContextMenuEvent });
    EXPECT_EQ(radio->getLabel(), u"");
    radio->setLabel(u"Left \u00e9dge");
    EXPECT_EQ(radio->getLabel(), u"Left \u00e9dge");
    radio->setLabel("Pick me");
    EXPECT_EQ(radio->getLabel(), u"Pick me");
    // A radio button is shown with its container; it takes no show message of its own.
    ASSERT_TRUE(onWidget<GuiRadioButton>(radio, [](GuiRadioButton* w) { w->show(); }));
    EXPECT_TRUE(radio->isVisible());
    EXPECT_FALSE(radio->isChecked());
    ASSERT_TRUE(onWidget<GuiRadioButton>(radio, [](GuiRadioButton* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(4, w->height() / 2));
    }));
    EXPECT_TRUE(radio->isChecked());
    deliverEvents();
    EXPECT_THAT(m_log.values(), IsEmpty());

    // A parent proxy without a widget gives a top-level button.
    VXPanel noWidget;
    std::unique_ptr<VXRadioButton> child(bridge()->createRadioButton(&noWidget));
    ASSERT_TRUE(onWidget<GuiRadioButton>(
        child.get(), [&](GuiRadioButton* button) { EXPECT_EQ(button->parentWidget(), nullptr); }));
    child.reset();
    EXPECT_TRUE(noWidget.getChildren().empty());
}

TEST_F(ButtonTest, CheckBoxReportsImSetCheckedClicksAndHelpKeysButNoPlainSetter)
{
    VXCheckBox* box = own(bridge()->createCheckBox(nullptr, "Wrap"));
    box->addEventListener(&m_log, CheckBoxToggleEvent);
    box->addEventListener(&m_help, CSHAccelEvent);
    EXPECT_EQ(box->getLabel(), u"Wrap");
    box->setChecked(true);
    EXPECT_TRUE(box->getChecked());
    box->setBackgroundColor(1, 2, 3);
    box->setShadowColor(300, -5, 7); // out of range is clamped, not refused
    double r = -1, g = -1, b = -1;
    ASSERT_TRUE(box->getBackgroundColor(r, g, b));
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(1.0, 2.0, 3.0));
    box->setWidgethighlight(true, 255, 0, 0, 128);
    EXPECT_TRUE(box->isWidgetHighlighted());
    ASSERT_TRUE(onWidget<GuiCheckBox>(box, [](GuiCheckBox* w) {
        EXPECT_EQ(w->palette().color(QPalette::Inactive, QPalette::Shadow), QColor(255, 0, 7));
        EXPECT_EQ(w->highlightRed(), 255);
        EXPECT_NEAR(w->highlightAlpha(), 128 / 255.0, 1e-9);
        w->repaint(); // the highlight paint must not disturb the normal one
    }));
    box->setWidgethighlight(false, 0, 0, 0, 0);
    EXPECT_FALSE(box->isWidgetHighlighted());
    deliverEvents();
    EXPECT_THAT(m_log.values(), IsEmpty()) << "plain setters raise nothing";

    box->imSetChecked(false);
    EXPECT_FALSE(box->getChecked());
    box->imSetChecked(true);
    box->setRect(0, 0, 120, 24);
    box->show();
    EXPECT_TRUE(box->isVisible());
    ASSERT_TRUE(onWidget<GuiCheckBox>(box, [](GuiCheckBox* w) {
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::keyClick(w, Qt::Key_F1, Qt::ShiftModifier);
        QTest::keyClick(w, Qt::Key_F1);
    }));
    EXPECT_FALSE(box->getChecked());
    deliverEvents();
    EXPECT_THAT(m_log.values(), ElementsAre(0, 1, 0));
    EXPECT_THAT(m_log.states(), ElementsAre(false, true, false));
    EXPECT_THAT(m_help.values(), ElementsAre(0)) << "Shift+F1 asks for help, plain F1 does not";
}

} // namespace
