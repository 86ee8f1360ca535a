// Push buttons, radio buttons, groups of radio buttons and check boxes driven by the host
// through the bridge, clicked and keyed by the user.
#include "engine/VXButton.h"
#include "engine/VXCheckBox.h"
#include "engine/VXGroupedRadioButton.h"
#include "engine/VXRadioButton.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiCheckBox.h"
#include "vx_qtgui/GuiGroupedRadioButton.h"
#include "vx_qtgui/GuiRadioButton.h"

#include <QApplication>
#include <QBoxLayout>
#include <QRadioButton>

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

TEST_F(ButtonTest, UserClickReachesTheListenerOnceAndTheHostDisables)
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
    button->setEnabled(false);
    EXPECT_FALSE(button->isEnabled());
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

class GroupedRadioButtonTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_group = own(bridge()->createGroupedRadioButton(nullptr, 3));
        m_group->addEventListener(&m_clicks, GRBClickedEvent);
        m_group->insertRadioButtons({ u"a", u"b", u"c" });
    }

    GuiGroupedRadioButton* widget() { return widgetOf<GuiGroupedRadioButton>(m_group); }

    QList<QRadioButton*> buttons() { return widget()->findChildren<QRadioButton*>(); }

    // Labels of the checked buttons, in insertion order.
    QStringList checkedLabels()
    {
        QStringList checked;
        EXPECT_TRUE(runOnGuiThread([&] {
            for (QRadioButton* button : buttons()) {
                if (button->isChecked())
                    checked << button->text();
            }
        }));
        return checked;
    }

    EventLog m_clicks;
    VXGroupedRadioButton* m_group = nullptr;
};

TEST_F(GroupedRadioButtonTest, SetCurrentItemChecksQuietlyAndSelectReportsEveryId)
{
    EXPECT_EQ(m_group->getNumButtons(), 3);
    EXPECT_EQ(m_group->getCurrentItem(), -1);
    m_group->setCurrentItem(2);
    m_group->setCurrentItem(2); // the checked one: stays checked
    m_group->setCurrentItem(9);
    m_group->setCurrentItem(-3);
    EXPECT_EQ(m_group->getCurrentItem(), 2);
    EXPECT_EQ(checkedLabels(), QStringList { QStringLiteral("c") });
    deliverEvents();
    EXPECT_THAT(m_clicks.values(), IsEmpty());

    m_group->select(1);
    m_group->select(1); // already checked: reported again, nothing changes
    m_group->select(7); // no such button: reported, nothing changes
    m_group->select(-1); // ignored
    EXPECT_EQ(m_group->getCurrentItem(), 1);

    // Ids keep counting across insertions.
    m_group->insertRadioButtons({ u"d" });
    m_group->insertRadioButtons({});
    EXPECT_EQ(m_group->getNumButtons(), 4);
    m_group->select(3);
    EXPECT_EQ(checkedLabels(), QStringList { QStringLiteral("d") });
    deliverEvents();
    EXPECT_THAT(m_clicks.values(), ElementsAre(1, 1, 7, 3));
}

TEST_F(GroupedRadioButtonTest, UserClicksAreExclusiveAndReportTheirIds)
{
    m_group->setRect(0, 0, 200, 120);
    m_group->show();
    ASSERT_TRUE(runOnGuiThread([this] {
        const auto list = buttons();
        ASSERT_EQ(list.size(), 3);
        // Near the indicator: a radio button takes clicks on its indicator and text only.
        QTest::mouseClick(list[0], Qt::LeftButton, {}, QPoint(4, list[0]->height() / 2));
        QTest::mouseClick(list[2], Qt::LeftButton, {}, QPoint(4, list[2]->height() / 2));
    }));
    EXPECT_EQ(checkedLabels(), QStringList { QStringLiteral("c") });
    EXPECT_EQ(m_group->getCurrentItem(), 2);
    deliverEvents();
    EXPECT_THAT(m_clicks.values(), ElementsAre(0, 2));
}

TEST_F(GroupedRadioButtonTest, TitleOrientationBorderAndColoursReachEveryButton)
{
    m_group->setTitle(u"Pick one");
    m_group->setOrientHorizontal(true);
    m_group->setShowBorder(false);
    m_group->setBackgroundColor(10, 20, 30);
    double r = 0, g = 0, b = 0;
    ASSERT_TRUE(m_group->getBackgroundColor(r, g, b));
    EXPECT_EQ(QColor(int(r), int(g), int(b)), QColor(10, 20, 30));
    ASSERT_TRUE(runOnGuiThread([this] {
        GuiGroupedRadioButton* group = widget();
        EXPECT_EQ(group->title(), QStringLiteral("Pick one"));
        EXPECT_TRUE(group->isFlat());
        auto* layout = qobject_cast<QBoxLayout*>(group->layout());
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(layout->direction(), QBoxLayout::LeftToRight);
        for (QRadioButton* button : buttons())
            EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::Base), QColor(10, 20, 30))
                << button->text().toStdString();
    }));
    m_group->setOrientHorizontal(false);
    m_group->setShowBorder(true);
    ASSERT_TRUE(runOnGuiThread([this] {
        EXPECT_FALSE(widget()->isFlat());
        EXPECT_EQ(
            qobject_cast<QBoxLayout*>(widget()->layout())->direction(), QBoxLayout::TopToBottom);
    }));
}

} // namespace
