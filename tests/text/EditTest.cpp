// Edit fields and their labels driven by the host through the bridge, typed into by the user.
#include "engine/VXButton.h"
#include "engine/VXEdit.h"
#include "engine/VXText.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiText.h"

#include <QApplication>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <tuple>

using namespace testing;
using namespace vxtest;

namespace {

class EditTest : public WidgetLeakTest {
protected:
    VXEdit* makeEdit(const char* text = "")
    {
        VXEdit* edit = own(bridge()->createEdit(nullptr, text));
        m_log.watch(edit,
            { EDITTextChangedEvent, EDITReturnPressedEvent, EDITTextEditDoneEvent,
                EDITFocusLostEvent, EDITContextMenuEvent });
        return edit;
    }

    // Shows the edit alone in a window and gives it the keyboard focus. GUI thread.
    static void focusAlone(GuiEdit* widget)
    {
        widget->show();
        QApplication::setActiveWindow(widget);
        widget->setFocus();
    }

    EventLog m_log;
};

TEST_F(EditTest, TypedTextIsReportedAndHostSetsAreSilentUnlessTheyActAsTyped)
{
    VXEdit* edit = makeEdit("start");
    EXPECT_EQ(edit->getTextU(), u"start") << "the creation text is there";
    edit->setText("");
    ASSERT_TRUE(onWidget<GuiEdit>(edit, [&](GuiEdit* widget) {
        focusAlone(widget);
        QTest::keyClicks(widget, QStringLiteral("ab"));
        QTest::keyClick(widget, Qt::Key_Return);
        EXPECT_EQ(widget->selectedText(), QStringLiteral("ab")) << "Return selects the text";
    }));
    deliverEvents();
    EXPECT_EQ(m_log.count(EDITTextChangedEvent), 2u);
    ASSERT_EQ(m_log.count(EDITReturnPressedEvent), 1u);
    EXPECT_EQ(m_log.last(EDITReturnPressedEvent).text, u"ab");
    EXPECT_EQ(m_log.last(EDITReturnPressedEvent).source, edit);
    EXPECT_EQ(edit->getText(), "ab");

    // Each host set, and the text changes it must report in total afterwards.
    const struct {
        std::function<void()> set;
        const char16_t* text;
        std::size_t changes;
    } steps[] = {
        { [&] { edit->setText("abc"); }, u"abc", 2 },
        { [&] { edit->setText("abc"); }, u"abc", 2 },
        { [&] { edit->imSetTextU(u"abc"); }, u"abc", 2 }, // an unchanged text is no change
        { [&] { edit->imSetText("abd"); }, u"abd", 3 },
    };
    for (const auto& step : steps) {
        step.set();
        EXPECT_EQ(edit->getTextU(), step.text);
        deliverEvents();
        EXPECT_EQ(m_log.count(EDITTextChangedEvent), step.changes) << "after " << &step - steps;
    }
}

TEST_F(EditTest, ClearButtonShowsOnlyWhileTheFieldHoldsText)
{
    VXEdit* edit = makeEdit();
    edit->setClearable(true);
    edit->setMinimumSize(200, -1);
    ASSERT_TRUE(onWidget<GuiEdit>(edit, [&](GuiEdit* widget) {
        ASSERT_NE(widget->clearButton(), nullptr);
        EXPECT_FALSE(widget->clearButton()->isVisible());
        focusAlone(widget);
        QTest::keyClick(widget, Qt::Key_X);
        EXPECT_TRUE(widget->clearButton()->isVisible());
        EXPECT_GT(widget->clearButton()->x(), widget->width() / 2) << "it sits at the right";
        QTest::keyClick(widget, Qt::Key_Backspace);
        EXPECT_FALSE(widget->clearButton()->isVisible());
        QTest::keyClick(widget, Qt::Key_Y);
        QTest::mouseClick(widget->clearButton(), Qt::LeftButton);
        EXPECT_TRUE(widget->text().isEmpty()) << "the button empties the field";
    }));
    edit->setClearable(false);
    edit->setText("z");
    EXPECT_EQ(edit->getTextU(), u"z");
    ASSERT_TRUE(onWidget<GuiEdit>(
        edit, [&](GuiEdit* widget) { EXPECT_FALSE(widget->clearButton()->isVisible()); }));
}

TEST_F(EditTest, EchoPlaceholderFontAndSizeLimits)
{
    VXEdit* edit = makeEdit();
    EXPECT_FALSE(edit->getEchoMode());
    edit->setEchoMode(true);
    edit->setPlaceholderText("Search");
    EXPECT_EQ(edit->getPlaceholderText(), u"Search");
    edit->setFont("", 15, -1, -1, -1);
    EXPECT_EQ(edit->imGetFontSize(), 15);
    EXPECT_FALSE(edit->imGetFontFamily().empty());
    edit->setMaximumSize(300, 40);
    edit->setMaximumSize(-1, 30);
    edit->setMinimumSize(50, -1);
    edit->setBackgroundColor(1, 2, 3);
    double r = 0, g = 0, b = 0;
    ASSERT_TRUE(edit->getBackgroundColor(r, g, b));
    EXPECT_EQ(std::make_tuple(r, g, b), std::make_tuple(1.0, 2.0, 3.0));
    ASSERT_TRUE(onWidget<GuiEdit>(edit, [&](GuiEdit* widget) {
        EXPECT_EQ(widget->echoMode(), QLineEdit::Password);
        EXPECT_EQ(widget->maximumSize(), QSize(300, 30)) << "-1 keeps the width limit";
        EXPECT_EQ(widget->minimumWidth(), 50);
    }));
}

// An edit field and a push button in one window, as a dialog would hold them.
TEST_F(EditTest, ClickOnAButtonEndsTheEditOnceBeforeThePressAndFocusLossReportsTheText)
{
    VXEdit* edit = makeEdit();
    VXButton* button = own(bridge()->createButton(nullptr, "Apply"));
    button->addEventListener(&m_log, ButtonPressEvent);
    edit->setText("typed");
    QWidget* window = nullptr;
    ASSERT_TRUE(runOnGuiThread([&] {
        window = new QWidget;
        auto* layout = new QVBoxLayout(window);
        layout->addWidget(widgetOf<GuiEdit>(edit));
        layout->addWidget(widgetOf<GuiButton>(button));
        window->setGeometry(40, 40, 240, 120);
        window->show();
        QApplication::setActiveWindow(window);
        widgetOf<GuiEdit>(edit)->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), widgetOf<GuiEdit>(edit));
        QTest::mouseClick(widgetOf<GuiButton>(button), Qt::LeftButton);
    }));
    deliverEvents();
    std::vector<VXEventType> actions = m_log.types();
    actions.erase(std::remove(actions.begin(), actions.end(), EDITFocusLostEvent), actions.end());
    EXPECT_THAT(actions, ElementsAre(EDITTextEditDoneEvent, ButtonPressEvent));
    EXPECT_EQ(m_log.last(EDITTextEditDoneEvent).text, u"typed");
    EXPECT_EQ(m_log.last(EDITTextEditDoneEvent).source, edit);

    ASSERT_TRUE(runOnGuiThread([&] {
        widgetOf<GuiEdit>(edit)->setFocus();
        widgetOf<GuiButton>(button)->setFocus(Qt::TabFocusReason);
    }));
    deliverEvents();
    ASSERT_GE(m_log.count(EDITFocusLostEvent), 1u);
    EXPECT_EQ(m_log.last(EDITFocusLostEvent).text, u"typed");
    // The window's layout holds the widgets: the proxies must take them back first.
    destroy(button);
    destroy(edit);
    deliverEvents();
    ASSERT_TRUE(runOnGuiThread([&] { delete window; }));
}

TEST_F(EditTest, LabelsShowAmpersandsUnlessTheyHaveABuddyAndTakeFontAndWordWrap)
{
    VXText* label = own(bridge()->createTextBox(nullptr, "Salt & pepper"));
    EXPECT_EQ(label->getText(), u"Salt && pepper") << "the creation text shows its ampersand";
    label->setText("&Name");
    EXPECT_EQ(label->getText(), u"&&Name");

    VXEdit* edit = makeEdit();
    label->assignBuddy(edit);
    label->setText(u"&Name");
    EXPECT_EQ(label->getText(), u"&Name");
    ASSERT_TRUE(onWidget<GuiText>(label, [&](GuiText* widget) {
        EXPECT_EQ(widget->buddy(), widgetOf<GuiEdit>(edit));
        EXPECT_EQ(widget->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    }));
    label->assignBuddy(nullptr);
    label->setText("&Name");
    EXPECT_EQ(label->getText(), u"&&Name") << "an unknown buddy clears the buddy";

    label->setFont("", 13, -1, -1, -1);
    label->setWordWrap(true);
    EXPECT_EQ(label->getFontSize(), 13);
    ASSERT_TRUE(
        onWidget<GuiText>(label, [&](GuiText* widget) { EXPECT_TRUE(widget->wordWrap()); }));
}

TEST_F(EditTest, StaleBuddyAndLabelFindNothing)
{
    VXText* label = own(bridge()->createTextBox(nullptr, "&Key"));
    VXEdit* edit = makeEdit();
    VXText* stale = bridge()->createTextBox(nullptr, "gone");
    edit->imGetPosition(); // the stale label exists on the GUI side now
    delete stale;
    label->assignBuddy(stale);
    EXPECT_EQ(edit->imFindLabelPosition(stale), VRIX::VXPoint<int>(0, 0));
    ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiEdit>(edit)->move(7, 9); }));
    EXPECT_EQ(edit->imFindLabelPosition(nullptr), VRIX::VXPoint<int>(0, 0));
    EXPECT_EQ(edit->imGetPosition(), VRIX::VXPoint<int>(7, 9));
    label->setRect(3, 4, 50, 20);
    EXPECT_EQ(edit->imFindLabelPosition(label), VRIX::VXPoint<int>(3, 4));
    ASSERT_TRUE(
        onWidget<GuiText>(label, [&](GuiText* widget) { EXPECT_EQ(widget->buddy(), nullptr); }));
}

} // namespace
