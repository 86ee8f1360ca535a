// The search bar driven by a host.
#include "engine/VXPopupMenu.h"
#include "engine/VXSearchBar.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/SBComboBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

#include <algorithm>
#include <string>
#include <vector>

using namespace testing;
using namespace vxtest;

namespace {

const std::vector<std::string> kParameters = { "Label", "Name:", "StringEdit", "gain", "Label",
    "Depth:", "IntEdit", "3", "DropDown", "Alpha\rBeta\rGamma", "Combo", "x\ry" };

class SearchBarTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        bar = own(bridge()->createSearchBar(nullptr));
        ASSERT_NE(bar, nullptr);
        m_log.watch(bar,
            { SBSearchEvent, SBSearchTypeEvent, SBValueEnteredEvent, SBVisibilityChangedEvent });
        bar->setSearchTypeList({ u"Name", u"Property Value", u"Block Type" });
        bar->show();
    }

    VXSearchBar* bar = nullptr;
    EventLog m_log;
};

TEST_F(SearchBarTest, ParameterWidgetsReportTheirValuesAndAnswerTheHost)
{
    bar->setDynamicWidgets(kParameters, false);
    EXPECT_EQ(bar->getNumOfWidgets(), 5);
    EXPECT_THAT((std::vector<std::u16string> { bar->getWidgetValue(1), bar->getWidgetValue(2),
                    bar->getWidgetValue(3), bar->getWidgetValue(4), bar->getWidgetValue(9) }),
        ElementsAre(u"Name", u"gain", u"3", u"Alpha", u""));
    EXPECT_THAT(bar->getList(4), ElementsAre(u"Alpha", u"Beta", u"Gamma"));
    EXPECT_THAT(bar->getList(1), ElementsAre(u"Name", u"Property Value", u"Block Type"));
    EXPECT_TRUE(bar->getList(2).empty());
    EXPECT_TRUE(bar->isSearchButtonEnabled()) << "the initial values enable the search";

    deliverEvents();
    // Each edit and box reports its first value with its place among the bar's widgets.
    std::vector<std::pair<std::u16string, int>> values;
    for (const SeenEvent& e : m_log.ofType(SBValueEnteredEvent)) {
        values.emplace_back(e.text, e.value);
        EXPECT_EQ(e.source, bar);
    }
    EXPECT_THAT(
        values, ElementsAre(Pair(u"gain", 1), Pair(u"3", 3), Pair(u"Alpha", _), Pair(u"x", _)));
    m_log.events.clear();

    // The host enters values as the user would: fixed up, then reported.
    const struct {
        int widget;
        const char16_t* value;
        const char16_t* result;
    } edits[] = {
        { 2, u"scope", u"scope" },
        { 3, u"12", u"12" },
        { 4, u"be", u"Beta" },
        { 4, u"GAMMA", u"Gamma" },
        { 4, u"nothing", u"Alpha" },
        { 5, u"free text", u"free text" },
        { 1, u"block", u"Block Type" },
    };
    for (const auto& e : edits) {
        EXPECT_TRUE(bar->editWidget(e.widget, e.value)) << e.widget;
        EXPECT_EQ(bar->getWidgetValue(e.widget), e.result) << e.widget;
    }
    EXPECT_FALSE(bar->editWidget(6, u"nowhere"));
    deliverEvents();
    EXPECT_EQ(m_log.ofType(SBValueEnteredEvent).size(), 6u);
    const auto types = m_log.ofType(SBSearchTypeEvent);
    ASSERT_EQ(types.size(), 1u);
    EXPECT_EQ(types[0].text, u"Block Type");
}

TEST_F(SearchBarTest, SameKindsKeepTheUsersEntriesAndAnotherKindRebuilds)
{
    bar->setDynamicWidgets(kParameters, false);
    bar->editWidget(2, u"typed by the user");
    bar->editWidget(4, u"Gamma");
    QWidget* firstEdit = nullptr;
    ASSERT_TRUE(runOnGuiThread([&] { firstEdit = widgetOf<GuiSearchBar>(bar)->widgetNumber(2); }));

    std::vector<std::string> renewed = kParameters;
    renewed[1] = "Block name:";
    renewed[3] = "ignored";
    renewed[9] = "Gamma\rDelta";
    bar->setDynamicWidgets(renewed, false);
    EXPECT_EQ(bar->getWidgetValue(2), u"typed by the user");
    EXPECT_THAT(bar->getList(4), ElementsAre(u"Gamma", u"Delta"));
    EXPECT_EQ(bar->getWidgetValue(4), u"Gamma") << "the previous choice is still offered";
    QString label;
    QWidget* sameEdit = nullptr;
    ASSERT_TRUE(onWidget<GuiSearchBar>(bar, [&](GuiSearchBar* w) {
        label = qobject_cast<QLabel*>(w->dynamicWidgets().first())->text();
        sameEdit = w->widgetNumber(2);
    }));
    EXPECT_EQ(label, "Block name:");
    EXPECT_EQ(sameEdit, firstEdit);

    renewed[6] = "FloatEdit";
    bar->setDynamicWidgets(renewed, false);
    EXPECT_EQ(bar->getWidgetValue(2), u"ignored") << "rebuilt from the description";
    EXPECT_EQ(bar->getNumOfWidgets(), 5);

    bar->setDynamicWidgets({ "Label", "Nothing to enter" }, false);
    EXPECT_EQ(bar->getNumOfWidgets(), 1);
}

TEST_F(SearchBarTest, TheUsersSearchTypeAndSearchReachTheHost)
{
    bar->setDynamicWidgets({ "Label", "Value:", "StringEdit", "" }, false);
    bar->setSearchButtonText(u"Find", u"Run the search");
    deliverEvents();
    m_log.events.clear();

    ASSERT_TRUE(onWidget<GuiSearchBar>(bar, [](GuiSearchBar* w) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        SBComboBox* types = w->searchTypeBox();
        types->setFocus(Qt::OtherFocusReason);
        types->lineEdit()->clear();
        QTest::keyClicks(types, "prop");
        QTest::keyClick(types, Qt::Key_Return);
        auto* edit = qobject_cast<QLineEdit*>(w->widgetNumber(2));
        ASSERT_NE(edit, nullptr);
        edit->setFocus(Qt::OtherFocusReason);
        QTest::keyClicks(edit, "k*");
        QTest::keyClick(edit, Qt::Key_Return); // moves on, as Tab would
        EXPECT_NE(w->focusWidget(), edit);
        EXPECT_EQ(w->searchButton()->text(), "Find");
        EXPECT_EQ(w->searchButton()->toolTip(), "Run the search");
        QTest::mouseClick(w->searchButton(), Qt::LeftButton);
        QTest::keyClick(w->searchButton(), Qt::Key_Return);
    }));
    deliverEvents();
    const auto types = m_log.ofType(SBSearchTypeEvent);
    ASSERT_FALSE(types.empty());
    EXPECT_EQ(types.front().text, u"Property Value");
    const auto values = m_log.ofType(SBValueEnteredEvent);
    ASSERT_FALSE(values.empty());
    EXPECT_EQ(values.back().text, u"k*");
    EXPECT_EQ(std::count_if(
                  values.begin(), values.end(), [](const SeenEvent& e) { return e.text == u"k*"; }),
        1)
        << "Return delivers the value once";
    EXPECT_EQ(m_log.count(SBSearchEvent), 2u) << "a click and Return on the button";

    bar->pressSearchButton();
    deliverEvents();
    EXPECT_EQ(m_log.count(SBSearchEvent), 3u);
    EXPECT_EQ(bar->getWidgetValue(1), u"Property Value");
}

TEST_F(SearchBarTest, HostSettingsAndVisibilityReports)
{
    bar->setActiveSearchType(u"block type");
    EXPECT_EQ(bar->getWidgetValue(1), u"Block Type");
    bar->setActiveSearchType(u"Unknown kind");
    EXPECT_EQ(bar->getWidgetValue(1), u"Unknown kind");
    EXPECT_FALSE(bar->isSearchButtonEnabled()) << "no button before the parameters";
    bar->pressSearchButton();

    VXPopupMenu* menu = own(bridge()->createPopupMenu(nullptr));
    bar->addOptionsMenu(menu);
    bar->addOptionsMenu(nullptr);
    bar->addOptionsMenu(menu);
    bar->setDynamicWidgets({ "Label", "Only a label" }, true);
    bar->setLabel(u"Find in model");
    QString title;
    bool buttonEnabled = true;
    bool hasMenu = false;
    ASSERT_TRUE(onWidget<GuiSearchBar>(bar, [&](GuiSearchBar* w) {
        title = w->windowTitle();
        buttonEnabled = w->searchButton()->isEnabled();
        hasMenu = w->optionsButton()->menu() != nullptr;
    }));
    EXPECT_EQ(title, "Find in model");
    EXPECT_FALSE(buttonEnabled);
    EXPECT_TRUE(hasMenu);

    bar->hide();
    bar->show();
    EXPECT_TRUE(bar->isVisible());
    deliverEvents();
    EXPECT_EQ(m_log.count(SBVisibilityChangedEvent), 0u) << "the host's own changes";
    EXPECT_EQ(m_log.count(SBSearchEvent), 0u) << "a disabled button does not search";

    ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiSearchBar>(bar)->hide(); }));
    deliverEvents();
    const auto shown = m_log.ofType(SBVisibilityChangedEvent);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_FALSE(shown[0].state);
}

} // namespace
