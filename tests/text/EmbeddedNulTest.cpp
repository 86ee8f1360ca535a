// UTF-16 texts carry their length, so a NUL inside one is a character like any other: every
// setter that takes a UTF-16 text keeps it whole, and its getter gives it back whole.
#include "engine/VXCheckBox.h"
#include "engine/VXEdit.h"
#include "engine/VXTab.h"
#include "engine/VXTabBar.h"
#include "engine/VXTextBrowser.h"
#include "engine/VXWindow.h"
#include "tests/support/WidgetTest.h"

#include <functional>
#include <string>

using namespace testing;
using namespace vxtest;

namespace {

class EmbeddedNulTest : public WidgetLeakTest {
public:
};

struct RoundTrip {
    const char* name;
    // Sets `text` on a fresh widget and reads it back.
    std::function<std::u16string(EmbeddedNulTest&, const std::u16string&)> run;
};

const RoundTrip kRoundTrips[] = {
    { "window_title",
        [](EmbeddedNulTest& t, const std::u16string& text) {
            VXWindow* w = t.own(bridge()->createWindow(0));
            w->setTitle(text);
            return w->getTitleU();
        } },
    { "edit_text",
        [](EmbeddedNulTest& t, const std::u16string& text) {
            VXEdit* e = t.own(bridge()->createEdit(nullptr, "e"));
            e->setTextU(text);
            return e->getTextU();
        } },
    { "check_box_label",
        [](EmbeddedNulTest& t, const std::u16string& text) {
            VXCheckBox* c = t.own(bridge()->createCheckBox(nullptr, "c"));
            c->setLabel(text);
            return c->getLabel();
        } },
    { "tab_name",
        [](EmbeddedNulTest& t, const std::u16string& text) {
            VXTabBar* bar = t.own(bridge()->createTabBar(nullptr));
            VXTab* tab = t.own(bridge()->createTab(bar));
            tab->setName(text);
            return tab->getName();
        } },
    { "browser_text",
        [](EmbeddedNulTest& t, const std::u16string& text) {
            VXTextBrowser* b = t.own(bridge()->createTextBrowser(nullptr, "b"));
            b->setTextU(text);
            return b->getTextU();
        } },
};

TEST_F(EmbeddedNulTest, UtfSixteenTextsKeepTheirNulCharacters)
{
    const std::u16string text(u"before\0after", 12);
    ASSERT_EQ(text.size(), 12u);
    for (const RoundTrip& row : kRoundTrips)
        EXPECT_EQ(row.run(*this, text), text) << row.name;
}

} // namespace
