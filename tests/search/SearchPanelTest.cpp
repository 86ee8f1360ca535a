// The search panel driven by a host: its texts, expanding and collapsing, closing.
#include "engine/VXSearchPanel.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"

#include <QLabel>
#include <QToolButton>

using namespace testing;
using namespace vxtest;

namespace {

class SearchPanelTest : public WidgetLeakTest { };

TEST_F(SearchPanelTest, TextsExpandCollapseAndClose)
{
    VXSearchPanel* panel = own(bridge()->createSearchPanel(nullptr));
    ASSERT_NE(panel, nullptr);
    panel->show();
    panel->setSearchLabel(u"3 blocks found", u"Deep, regular expression", u"Name = gain*", u"");
    EXPECT_EQ(panel->getResultsText(), u"3 blocks found");
    EXPECT_EQ(panel->getOptionsText(), u"Deep, regular expression");
    EXPECT_EQ(panel->getConditionText(), u"Name = gain*");
    EXPECT_EQ(panel->getWarningText(), u"");

    // The options and condition lines show only while expanded; the button's tip says which.
    QString tip[2];
    const auto expectShown = [&](bool expanded, const char* condition, const char* results) {
        EXPECT_EQ(panel->isExpanded(), expanded);
        ASSERT_TRUE(onWidget<GuiSearchPanel>(panel, [&](GuiSearchPanel* w) {
            EXPECT_EQ(w->optionsLabel()->isVisible(), expanded);
            EXPECT_EQ(w->conditionLabel()->isVisible(), expanded);
            EXPECT_EQ(w->conditionLabel()->text(), condition);
            EXPECT_EQ(w->resultsLabel()->text(), results);
            tip[expanded] = w->expandButton()->toolTip();
        }));
    };
    expectShown(false, "Name = gain*", "3 blocks found");
    // Forcing a state works from either state and always answers true.
    const bool steps[] = { true, true, false, false };
    for (const bool& expand : steps) {
        SCOPED_TRACE(testing::Message() << "step " << &expand - steps);
        EXPECT_TRUE(expand ? panel->expand() : panel->collapse());
        expectShown(expand, "Name = gain*", "3 blocks found");
    }
    EXPECT_NE(tip[0], tip[1]);

    // A warning takes the condition's place; an empty text keeps its line.
    panel->setSearchLabel(u"", u"", u"Name = gain*", u"Search stopped early");
    EXPECT_EQ(panel->getWarningText(), u"Search stopped early");
    panel->expand();
    expectShown(true, "Search stopped early", " ");

    panel->clickCloseButton();
    EXPECT_FALSE(panel->isVisible());
}

} // namespace
