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
    EXPECT_FALSE(panel->isExpanded());

    struct Shown {
        bool options, condition;
        QString conditionText, tip;
    } shown;
    const auto look = [&] {
        ASSERT_TRUE(onWidget<GuiSearchPanel>(panel, [&](GuiSearchPanel* w) {
            shown = { w->optionsLabel()->isVisible(), w->conditionLabel()->isVisible(),
                w->conditionLabel()->text(), w->expandButton()->toolTip() };
        }));
    };
    look();
    EXPECT_FALSE(shown.options);
    EXPECT_FALSE(shown.condition);

    // Forcing a state works from either state and always answers true.
    for (int round = 0; round < 2; ++round) {
        EXPECT_TRUE(panel->expand());
        EXPECT_TRUE(panel->isExpanded());
        look();
        EXPECT_TRUE(shown.options);
        EXPECT_TRUE(shown.condition);
        EXPECT_EQ(shown.conditionText, "Name = gain*");
    }
    const QString collapseTip = shown.tip;
    EXPECT_TRUE(panel->collapse());
    EXPECT_TRUE(panel->collapse());
    EXPECT_FALSE(panel->isExpanded());
    look();
    EXPECT_FALSE(shown.options);
    EXPECT_NE(shown.tip, collapseTip);

    // A warning takes the condition's place; empty texts keep their line.
    panel->setSearchLabel(u"", u"", u"Name = gain*", u"Search stopped early");
    panel->expand();
    look();
    EXPECT_EQ(shown.conditionText, "Search stopped early");
    EXPECT_EQ(panel->getWarningText(), u"Search stopped early");
    QString results;
    ASSERT_TRUE(
        runOnGuiThread([&] { results = widgetOf<GuiSearchPanel>(panel)->resultsLabel()->text(); }));
    EXPECT_EQ(results, " ");

    panel->clickCloseButton();
    EXPECT_FALSE(panel->isVisible());
}

} // namespace
