// Text labels: ampersands, buddies (stale ones too), font and word wrap.
#include "engine/VXEdit.h"
#include "engine/VXText.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiText.h"

using namespace testing;
using namespace vxtest;

namespace {

class TextLabelTest : public WidgetLeakTest { };

TEST_F(TextLabelTest, AmpersandsBuddiesFontAndWordWrap)
{
    std::unique_ptr<VXText> label(bridge()->createTextBox(nullptr, "Salt & pepper"));
    EXPECT_EQ(label->getText(), u"Salt && pepper") << "the creation text shows its ampersand";
    label->setText("&Name");
    EXPECT_EQ(label->getText(), u"&&Name");

    std::unique_ptr<VXEdit> edit(bridge()->createEdit(nullptr, ""));
    label->assignBuddy(edit.get());
    label->setText(u"&Name");
    EXPECT_EQ(label->getText(), u"&Name");
    ASSERT_TRUE(onWidget<GuiText>(label.get(), [&](GuiText* widget) {
        EXPECT_EQ(widget->buddy(), widgetOf<GuiEdit>(edit.get()));
        EXPECT_EQ(widget->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    }));

    label->assignBuddy(nullptr);
    label->setText("&Name");
    EXPECT_EQ(label->getText(), u"&&Name") << "an unknown buddy clears the buddy";

    label->setFont("", 13, -1, -1, -1);
    label->setWordWrap(true);
    EXPECT_EQ(label->getFontSize(), 13);
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_TRUE(widgetOf<GuiText>(label.get())->wordWrap()); }));
}

TEST_F(TextLabelTest, StaleBuddyAndLabelFindNothing)
{
    std::unique_ptr<VXText> label(bridge()->createTextBox(nullptr, "&Key"));
    std::unique_ptr<VXEdit> edit(bridge()->createEdit(nullptr, ""));
    VXText* stale = bridge()->createTextBox(nullptr, "gone");
    edit->imGetPosition(); // the stale label exists on the GUI side now
    delete stale;
    label->assignBuddy(stale);
    const VRIX::VXPoint<int> none = edit->imFindLabelPosition(stale);
    EXPECT_EQ(none, VRIX::VXPoint<int>(0, 0));
    ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiEdit>(edit.get())->move(7, 9); }));
    EXPECT_EQ(edit->imFindLabelPosition(nullptr), VRIX::VXPoint<int>(0, 0));
    EXPECT_EQ(edit->imGetPosition(), VRIX::VXPoint<int>(7, 9));
    label->setRect(3, 4, 50, 20);
    EXPECT_EQ(edit->imFindLabelPosition(label.get()), VRIX::VXPoint<int>(3, 4));
    ASSERT_TRUE(
        runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiText>(label.get())->buddy(), nullptr); }));
}

} // namespace
