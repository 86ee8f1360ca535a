// A completing edit field driven by a host; records handed over are freed whatever happens.
#include "engine/VXEdit.h"
#include "engine/VXEvent.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/support/WidgetTest.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"
#include "vx_qtgui/modelexplorer/search/GuiCompletionProxyModel.h"

#include <QSignalSpy>

#include <string>
#include <vector>

using namespace testing;
using namespace vxtest;

namespace {

const std::initializer_list<const char16_t*> kNames
    = { u"gain", u"gamma", u"scope", u"sum", u"integrator", u"gate" };

// A titled list of the given names, as the host hands it over.
VXMEObjectDataList* records(std::initializer_list<const char16_t*> names)
{
    auto* list = new VXMEObjectDataList;
    auto* head = makeRecord(0, { u"Name", u"Library" });
    head->object = nullptr;
    list->push_back(head);
    std::uintptr_t id = 1;
    for (const char16_t* name : names)
        list->push_back(makeRecord(id++, { name, u"simulink" }));
    return list;
}

// The shown texts of the completion column (the first), from the host's side.
std::vector<std::u16string> suggestions(VXEdit* edit)
{
    std::vector<void*> out;
    const int shown = edit->fillVectorWithAutoCompleteText(&out);
    int rows = 0, columns = 0;
    const std::vector<std::u16string> texts = takeListTexts(out, &rows, &columns);
    std::vector<std::u16string> names;
    for (int i = columns; columns > 0 && i < int(texts.size()); i += columns)
        names.push_back(texts[std::size_t(i)]);
    EXPECT_EQ(int(names.size()), shown);
    return names;
}

class CompletionEndToEndTest : public WidgetLeakTest {
protected:
    VXEdit* makeEdit(bool completing)
    {
        VXEdit* edit = own(bridge()->createEdit(nullptr, u""));
        if (!edit)
            return nullptr;
        m_log.watch(edit, { EDITReturnPressedEvent, EDITTextChangedEvent });
        edit->setMinimumSize(220, -1);
        edit->show();
        if (completing)
            edit->enableAutoComplete(true);
        return edit;
    }

    RecordsFreed m_freed;
    EventLog m_log;
};

TEST_F(CompletionEndToEndTest, TypingNarrowsTheRecordsAndTheChoiceReachesTheHost)
{
    VXEdit* edit = makeEdit(true);
    ASSERT_NE(edit, nullptr);
    // Focused before the popup opens, as a user's field is.
    ASSERT_TRUE(onFocusedWidget<GuiEdit>(edit, [](GuiEdit*) {}));
    edit->setAutoCompleteData(records(kNames), u"", true);
    EXPECT_EQ(suggestions(edit).size(), 6u);
    // The popup: an explorer list, 21 pixels per row and one more for the header.
    const auto popupOf = [&] {
        return qobject_cast<GuiListView*>(widgetOf<GuiEdit>(edit)->recordCompleter()->popup());
    };
    ASSERT_TRUE(runOnGuiThread([&] {
        ASSERT_NE(popupOf(), nullptr);
        EXPECT_TRUE(popupOf()->isVisible()) << "supplied records open the popup";
        EXPECT_EQ(popupOf()->height(), 6 * 21 + 21);
    }));

    // The user types "ga": after the pause, only the records starting with it remain.
    ASSERT_TRUE(runOnGuiThread([&] { QTest::keyClicks(widgetOf<GuiEdit>(edit), "ga"); }));
    ASSERT_TRUE(pumpUntilOnGui([&] {
        auto* completer = widgetOf<GuiEdit>(edit)->recordCompleter();
        return completer->proxyModel()->rowCount() == 3 && completer->popup()->isVisible();
    }));
    EXPECT_EQ(suggestions(edit), (std::vector<std::u16string> { u"gain", u"gamma", u"gate" }));
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_EQ(popupOf()->height(), 3 * 21 + 21); }));

    // Down to the second suggestion, Return: the field takes it and reports Return with it.
    // Down first offers the suggestion it leaves.
    ASSERT_TRUE(runOnGuiThread([&] {
        GuiListView* popup = popupOf();
        QSignalSpy offered(popup, &GuiListView::suggestionSelected);
        QTest::keyClick(popup, Qt::Key_Down);
        ASSERT_EQ(offered.count(), 1);
        EXPECT_EQ(offered[0][0].value<QModelIndex>().row(), 0);
        EXPECT_TRUE(offered[0][1].toBool());
        QTest::keyClick(popup, Qt::Key_Return);
        EXPECT_FALSE(popup->isVisible());
    }));
    EXPECT_EQ(edit->getTextU(), u"gamma");
    deliverEvents();
    const auto returns = m_log.ofType(EDITReturnPressedEvent);
    ASSERT_EQ(returns.size(), 1u);
    EXPECT_EQ(returns[0].text, u"gamma");
    EXPECT_EQ(returns[0].source, edit);
    EXPECT_GE(m_log.count(EDITTextChangedEvent), 3u) << "two keys and the choice";

    // The choice is not typing: it does not refresh the suggestions it came from.
    QTest::qWait(300);
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_FALSE(popupOf()->isVisible()); }));
}

struct HostRule {
    int option;
    int mode;
    const char16_t* typed;
    std::vector<std::u16string> shown;
};

class CompletionRuleTest : public CompletionEndToEndTest,
                           public testing::WithParamInterface<HostRule> { };

TEST_P(CompletionRuleTest, HostChosenRulesDecideWhatATypedTextShows)
{
    const HostRule& rule = GetParam();
    VXEdit* edit = makeEdit(true);
    ASSERT_NE(edit, nullptr);
    edit->setAutoCompleteMatchOption(rule.option);
    edit->setAutoCompleteCompletionMode(rule.mode);
    edit->setAutoCompleteData(records(kNames), u"", true);
    // As if typed: the completion refreshes after the pause.
    edit->imSetTextU(rule.typed);
    ASSERT_TRUE(pumpUntilOnGui([&] {
        auto* completer = widgetOf<GuiEdit>(edit)->recordCompleter();
        return completer->prefix() == QString::fromStdU16String(rule.typed)
            && completer->proxyModel()->isFilterEnabled();
    }));
    EXPECT_EQ(suggestions(edit), rule.shown);
}

INSTANTIATE_TEST_SUITE_P(Rules, CompletionRuleTest,
    testing::Values(HostRule { 0, 0, u"s", { u"scope", u"sum" } },
        HostRule { 1, 0, u"at", { u"integrator", u"gate" } },
        HostRule { 2, 0, u"e", { u"scope", u"gate" } },
        HostRule { 0, 1, u"zzz", { u"gain", u"gamma", u"scope", u"sum", u"integrator", u"gate" } },
        HostRule { 1, 0, u"SC", { u"scope" } },
        HostRule { 0, 0, u"GA", { u"gain", u"gamma", u"gate" } },
        HostRule { 7, 0, u"at", {} })); // an unknown option matches starts

TEST_F(CompletionEndToEndTest, RecordsAreFreedWithoutACompleterOrAWidgetAndViewsReplaceThem)
{
    VXEdit* plain = makeEdit(false);
    ASSERT_NE(plain, nullptr);
    plain->setAutoCompleteData(records({ u"gain", u"gamma" }), u"g", true);
    auto* view = new VXUStringList;
    view->addElement(u"x");
    plain->setAutoCompleteView(view);
    // Without a completer the other completion calls do nothing either.
    plain->setAutoCompleteMatchOption(1);
    plain->setAutoCompleteCompletionMode(2);
    std::vector<void*> out;
    EXPECT_EQ(plain->fillVectorWithAutoCompleteText(&out), 0);
    EXPECT_TRUE(out.empty());
    EXPECT_EQ(plain->fillVectorWithAutoCompleteText(nullptr), 0);
    EXPECT_EQ(CountedRecord::alive, 0);

    VXEdit* gone = makeEdit(true);
    ASSERT_NE(gone, nullptr);
    ASSERT_TRUE(runOnGuiThread([&] { delete widgetOf<GuiEdit>(gone); }));
    gone->setAutoCompleteData(records({ u"scope" }), u"", true);
    EXPECT_FALSE(gone->isVisible()); // a round trip after the post
    EXPECT_EQ(CountedRecord::alive, 0);

    // Switched off and on again: a fresh completer, nothing shown; a plain string view then
    // replaces the suggestions (and a null one changes nothing).
    VXEdit* toggled = makeEdit(true);
    toggled->setAutoCompleteData(records({ u"sum" }), u"", true);
    toggled->enableAutoComplete(false);
    toggled->enableAutoComplete(true);
    EXPECT_TRUE(suggestions(toggled).empty());
    toggled->setAutoCompleteData(records({ u"gain" }), u"", true);
    auto* strings = new VXUStringList;
    strings->addElement(u"first");
    strings->addElement(u"second");
    toggled->setAutoCompleteView(strings);
    toggled->setAutoCompleteView(nullptr);
    EXPECT_EQ(suggestions(toggled), (std::vector<std::u16string> { u"first", u"second" }));
}

} // namespace
