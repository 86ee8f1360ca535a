// Edit fields driven by the host through the bridge, typed into by the user.
#include "engine/VXButton.h"
#include "engine/VXEdit.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiEdit.h"

#include <QApplication>
#include <QToolButton>
#include <QVBoxLayout>

using namespace testing;
using namespace vxtest;

namespace {

class EditTest : public WidgetLeakTest {
protected:
    std::unique_ptr<VXEdit> makeEdit(const char* text = "")
    {
        std::unique_ptr<VXEdit> edit(bridge()->createEdit(nullptr, text));
        m_log.watch(edit.get(),
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

TEST_F(EditTest, TypingRaisesTextChangedAndReturnRaisesReturnPressedWithTheText)
{
    auto edit = makeEdit("start");
    EXPECT_EQ(edit->getTextU(), u"start") << "the creation text is there";
    edit->setText("");
    ASSERT_TRUE(onWidget<GuiEdit>(edit.get(), [&](GuiEdit* widget) {
        focusAlone(widget);
        QTest::keyClicks(widget, QStringLiteral("ab"));
        QTest::keyClick(widget, Qt::Key_Return);
        EXPECT_EQ(widget->selectedText(), QStringLiteral("ab")) << "Return selects the text";
    }));
    deliverEvents();
    EXPECT_EQ(m_log.count(EDITTextChangedEvent), 2u);
    ASSERT_EQ(m_log.count(EDITReturnPressedEvent), 1u);
    EXPECT_EQ(m_log.last(EDITReturnPressedEvent).text, u"ab");
    EXPECT_EQ(m_log.last(EDITReturnPressedEvent).source, edit.get());
    EXPECT_EQ(edit->getText(), "ab");
}

TEST_F(EditTest, PlainSetterIsSilentAndImSetterActsAsTyped)
{
    auto edit = makeEdit();
    edit->setText("abc");
    edit->setText("abc");
    EXPECT_EQ(edit->getTextU(), u"abc");
    deliverEvents();
    EXPECT_EQ(m_log.count(EDITTextChangedEvent), 0u);

    edit->imSetTextU(u"abc");
    EXPECT_EQ(edit->getTextU(), u"abc");
    deliverEvents();
    EXPECT_EQ(m_log.count(EDITTextChangedEvent), 0u) << "an unchanged text is not a change";

    edit->imSetText("abd");
    EXPECT_EQ(edit->getTextU(), u"abd");
    deliverEvents();
    EXPECT_EQ(m_log.count(EDITTextChangedEvent), 1u);
}

TEST_F(EditTest, ClearButtonShowsOnlyWhileTheFieldHoldsText)
{
    auto edit = makeEdit();
    edit->setClearable(true);
    edit->show();
    edit->setMinimumSize(200, -1);
    EXPECT_TRUE(edit->isVisible());
    ASSERT_TRUE(onWidget<GuiEdit>(edit.get(), [&](GuiEdit* widget) {
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
    ASSERT_TRUE(runOnGuiThread(
        [&] { EXPECT_FALSE(widgetOf<GuiEdit>(edit.get())->clearButton()->isVisible()); }));
}

TEST_F(EditTest, EchoPlaceholderFontAndSizeLimits)
{
    auto edit = makeEdit();
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
    EXPECT_EQ(r, 1.0);
    EXPECT_EQ(b, 3.0);
    ASSERT_TRUE(onWidget<GuiEdit>(edit.get(), [&](GuiEdit* widget) {
        EXPECT_EQ(widget->echoMode(), QLineEdit::Password);
        EXPECT_EQ(widget->maximumSize(), QSize(300, 30)) << "-1 keeps the width limit";
        EXPECT_EQ(widget->minimumWidth(), 50);
    }));
}

// An edit field and a push button in one window, as a dialog would hold them.
class EditDoneTest : public EditTest {
protected:
    void SetUp() override
    {
        EditTest::SetUp();
        m_edit = makeEdit();
        m_button.reset(bridge()->createButton(nullptr, "Apply"));
        m_button->addEventListener(&m_log, ButtonPressEvent);
        m_edit->setText("typed");
        m_edit->isVisible(); // every creation has been applied
        ASSERT_TRUE(runOnGuiThread([&] {
            m_window = new QWidget;
            auto* layout = new QVBoxLayout(m_window);
            layout->addWidget(widgetOf<GuiEdit>(m_edit.get()));
            layout->addWidget(widgetOf<GuiButton>(m_button.get()));
            m_window->setGeometry(40, 40, 240, 120);
            m_window->show();
            QApplication::setActiveWindow(m_window);
            widgetOf<GuiEdit>(m_edit.get())->setFocus();
        }));
    }

    void TearDown() override
    {
        m_button.reset();
        m_edit.reset();
        deliverEvents();
        ASSERT_TRUE(runOnGuiThread([&] { delete m_window; }));
        EditTest::TearDown();
    }

    // Types that are not focus changes, in delivery order.
    std::vector<VXEventType> actions() const
    {
        std::vector<VXEventType> result;
        for (VXEventType type : m_log.types()) {
            if (type != EDITFocusLostEvent)
                result.push_back(type);
        }
        return result;
    }

    std::unique_ptr<VXEdit> m_edit;
    std::unique_ptr<VXButton> m_button;
    QWidget* m_window = nullptr;
};

TEST_F(EditDoneTest, ClickOnAButtonEndsTheEditOnceBeforeThePress)
{
    ASSERT_TRUE(runOnGuiThread([&] {
        ASSERT_EQ(QApplication::focusWidget(), widgetOf<GuiEdit>(m_edit.get()));
        QTest::mouseClick(widgetOf<GuiButton>(m_button.get()), Qt::LeftButton);
    }));
    deliverEvents();
    EXPECT_THAT(actions(), ElementsAre(EDITTextEditDoneEvent, ButtonPressEvent));
    EXPECT_EQ(m_log.last(EDITTextEditDoneEvent).text, u"typed");
    EXPECT_EQ(m_log.last(EDITTextEditDoneEvent).source, m_edit.get());
}

TEST_F(EditDoneTest, FocusLossReportsTheText)
{
    ASSERT_TRUE(
        runOnGuiThread([&] { widgetOf<GuiButton>(m_button.get())->setFocus(Qt::TabFocusReason); }));
    deliverEvents();
    ASSERT_EQ(m_log.count(EDITFocusLostEvent), 1u);
    EXPECT_EQ(m_log.last(EDITFocusLostEvent).text, u"typed");
}

} // namespace
