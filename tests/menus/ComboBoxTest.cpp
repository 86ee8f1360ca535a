// Combo boxes filled and read by the host, chosen from and typed into by the user.
#include "engine/VXComboBox.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiComboBox.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QLineEdit>

#include <string>
#include <vector>

using namespace testing;
using namespace vxtest;

namespace {

class ComboBoxTest : public WidgetLeakTest {
protected:
    std::unique_ptr<VXComboBox> makeBox(std::vector<std::u16string> items, bool editable = false)
    {
        std::unique_ptr<VXComboBox> box(bridge()->createComboBox(nullptr, "choices"));
        if (!box)
            return box;
        // Focus gains are left out: showing a top-level box gives it focus whenever the
        // window system gets round to it.
        m_log.watch(box.get(),
            { CMBFocusLostEvent, CMBReturnPressedEvent, CMBSelectionChangedEvent,
                CMBStringChangedEvent });
        box->insertItems(items);
        box->setEditable(editable);
        box->setRect(10, 10, 160, 24);
        box->show();
        return box;
    }

    EventLog m_log;
};

TEST_F(ComboBoxTest, QuietSelectionIsSilentAndUserOrImSelectionReportsIndexAndText)
{
    auto box = makeBox({ u"alpha", u"beta", u"gamma" });
    EXPECT_EQ(box->getCurrentItem(), 0);
    box->setCurrentItem(2);
    EXPECT_EQ(box->getCurrentItem(), 2);
    box->setCurrentText("beta");
    EXPECT_EQ(box->getCurrentItem(), 1);
    box->setCurrentText(u"Beta"); // exact match only
    EXPECT_EQ(box->getCurrentItem(), -1);
    EXPECT_TRUE(box->getCurrentTextU().empty());
    box->setCurrentItem(0);
    deliverEvents();
    EXPECT_TRUE(m_log.events.empty()) << "filling and quiet selection post nothing";

    ASSERT_TRUE(onFocusedWidget<GuiComboBox>(
        box.get(), [](GuiComboBox* w) { QTest::keyClick(w, Qt::Key_Down); }));
    EXPECT_EQ(box->getCurrentTextU(), u"beta");
    EXPECT_EQ(box->getCurrentText(), "beta");
    box->imSelect(2);
    box->imSelect(-1);
    box->imSelect(3);
    EXPECT_EQ(box->getCurrentItem(), 2);
    deliverEvents();
    EXPECT_THAT(m_log.types(), ElementsAre(CMBSelectionChangedEvent, CMBSelectionChangedEvent));
    EXPECT_THAT(m_log.values(), ElementsAre(1, 2));
    EXPECT_THAT(m_log.texts(), ElementsAre(u"beta", u"gamma"));
    EXPECT_EQ(m_log.events[0].source, box.get());
}

TEST_F(ComboBoxTest, SelectByStringActsAsTheUserOnPlainAndEditableBoxes)
{
    auto plain = makeBox({ u"one", u"two" });
    plain->imSelectByString("two");
    EXPECT_EQ(plain->getCurrentItem(), 1);
    deliverEvents();
    EXPECT_EQ(m_log.ofType(CMBStringChangedEvent).size(), 1u);
    EXPECT_TRUE(m_log.ofType(CMBFocusLostEvent).empty()) << "a plain box reports no focus loss";

    plain->imSelectByString(u"zwei"); // no such item: the current one is renamed
    std::vector<std::u16string> items;
    plain->imGetAllItems(items);
    EXPECT_THAT(items, ElementsAre(u"one", u"zwei"));
    EXPECT_EQ(plain->getCurrentItem(), 1);

    deliverEvents();
    m_log.events.clear();
    auto editable = makeBox({ u"red", u"green" }, true);
    editable->imSelectByString(u"blue");
    EXPECT_EQ(editable->getCurrentTextU(), u"blue");
    editable->imSelectByString(u"green");
    EXPECT_EQ(editable->getCurrentItem(), 1);
    deliverEvents();
    EXPECT_EQ(m_log.ofType(CMBStringChangedEvent).size(), 2u);
    const auto lost = m_log.ofType(CMBFocusLostEvent);
    ASSERT_EQ(lost.size(), 2u);
    EXPECT_EQ(lost[0].text, u"blue");
    EXPECT_EQ(lost[1].text, u"green");
    EXPECT_EQ(lost[1].source, editable.get());
    EXPECT_TRUE(m_log.ofType(CMBSelectionChangedEvent).empty());
}

TEST_F(ComboBoxTest, EditableBoxCompletesInBothCaseModesAndReportsReturnWithTheText)
{
    auto box = makeBox({ u"apple", u"Apricot", u"banana" }, true);
    m_log.watch(box.get(), { CMBFocusGainedEvent });
    EXPECT_TRUE(box->isEditable());
    EXPECT_FALSE(box->isCaseSensitive());

    int insensitiveMatches = 0;
    ASSERT_TRUE(onFocusedWidget<GuiComboBox>(box.get(), [&](GuiComboBox* w) {
        w->lineEdit()->clear();
        QTest::keyClicks(w, "ap");
        ASSERT_NE(w->completer(), nullptr);
        insensitiveMatches = w->completer()->completionCount();
    }));
    EXPECT_EQ(insensitiveMatches, 2);

    box->setCaseSensitive(true);
    EXPECT_TRUE(box->isCaseSensitive());
    int sensitiveMatches = 0;
    QString chosen;
    ASSERT_TRUE(onFocusedWidget<GuiComboBox>(box.get(), [&](GuiComboBox* w) {
        w->lineEdit()->clear();
        QTest::keyClicks(w, "Ap");
        QCompleter* completer = w->completer();
        sensitiveMatches = completer->completionCount();
        QAbstractItemView* popup = completer->popup();
        ASSERT_TRUE(popup->isVisible());
        const QModelIndex first = popup->model()->index(0, 0);
        chosen = first.data().toString();
        popup->setCurrentIndex(first);
        QTest::keyClick(popup, Qt::Key_Return);
    }));
    EXPECT_EQ(sensitiveMatches, 1);
    EXPECT_EQ(chosen, QStringLiteral("Apricot"));
    deliverEvents();
    const auto selections = m_log.ofType(CMBSelectionChangedEvent);
    ASSERT_EQ(selections.size(), 1u) << "one choice, one report";
    EXPECT_EQ(selections[0].text, u"Apricot");
    EXPECT_EQ(selections[0].value, 1);
    EXPECT_EQ(box->getCurrentItem(), 1);
    EXPECT_FALSE(m_log.ofType(CMBStringChangedEvent).empty()) << "typing reports edits";
    EXPECT_FALSE(m_log.ofType(CMBFocusGainedEvent).empty());

    const std::size_t returns = m_log.count(CMBReturnPressedEvent);
    ASSERT_TRUE(onFocusedWidget<GuiComboBox>(box.get(), [](GuiComboBox* w) {
        w->lineEdit()->clear();
        QTest::keyClicks(w, "typed");
        QTest::keyClick(w, Qt::Key_Return);
    }));
    deliverEvents();
    EXPECT_EQ(m_log.count(CMBReturnPressedEvent), returns + 1);
    EXPECT_EQ(m_log.last(CMBReturnPressedEvent).text, u"typed");
    std::vector<std::u16string> items;
    box->imGetAllItems(items);
    EXPECT_THAT(items, ElementsAre(u"apple", u"Apricot", u"banana")) << "Return inserts nothing";
}

TEST_F(ComboBoxTest, ItemsAndPositionReadBackAndBadIndexesChangeNothing)
{
    auto box = makeBox({});
    std::vector<std::u16string> items { u"stale" };
    box->imGetAllItems(items);
    EXPECT_TRUE(items.empty());
    EXPECT_EQ(box->getCurrentItem(), -1);

    box->insertItem(u"b", -1);
    box->insertItem("a", 0);
    box->insertItems(std::vector<std::string> { "c", "d" }, -1);
    box->insertItems(std::vector<std::u16string> { u"z" }, 1);
    box->removeItem(4);
    box->removeItem(-3);
    box->removeItem(99);
    box->setCurrentItem(99);
    box->imSelect(99);
    std::vector<std::string> narrow;
    box->imGetAllItems(narrow);
    EXPECT_THAT(narrow, ElementsAre("a", "z", "b", "c"));
    box->setCaseSensitive(true); // no completer on a plain box
    EXPECT_FALSE(box->isCaseSensitive());
    EXPECT_EQ(box->imFindLabelPosition(nullptr), VRIX::VXPoint<int>());

    const VRIX::VXPoint<int> position = box->imGetPosition();
    QPoint shown;
    ASSERT_TRUE(runOnGuiThread([&] { shown = widgetOf<GuiComboBox>(box.get())->pos(); }));
    EXPECT_EQ(position, VRIX::VXPoint<int>(shown.x(), shown.y()));

    box->removeAllItems();
    box->imGetAllItems(narrow);
    EXPECT_TRUE(narrow.empty());
    deliverEvents();
    EXPECT_TRUE(m_log.events.empty());
}

} // namespace
