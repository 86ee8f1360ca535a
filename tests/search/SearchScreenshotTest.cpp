// What the search widgets show a person; with VX_SCREENSHOT_DIR set the pictures are saved there.
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"
#include "vx_qtgui/modelexplorer/search/SBComboBox.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using vxtest::countPixels;
using vxtest::isHighlight;
using vxtest::isText;

class SearchScreenshotTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_font = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    }
    void TearDown() override { QApplication::setFont(m_font); }
    RecordsFreed m_freed;
    QFont m_font;
};

TEST_F(SearchScreenshotTest, CompletionPopup)
{
    QWidget window;
    window.resize(360, 40);
    auto* edit = new GuiEdit(nullptr, &window);
    edit->setGeometry(8, 8, 240, 24);
    edit->enableAutoComplete(true);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    GuiCompleter* completer = edit->recordCompleter();
    OwnedRecords records;
    auto* head = makeRecord(0, { u"Name", u"Library", u"Path" });
    head->object = nullptr;
    records.push_back(head);
    const char16_t* rows[][3] = { { u"Gain", u"Math Operations", u"model/Controller/Gain" },
        { u"Gain1", u"Math Operations", u"model/Plant/Gain1" },
        { u"Gamma Correction", u"Vision", u"model/Camera/Gamma Correction" },
        { u"Gate Driver", u"Power Electronics", u"model/Inverter/Gate Driver" } };
    std::uintptr_t id = 1;
    for (const auto& row : rows)
        records.push_back(makeRecord(id++, { row[0], row[1], row[2] }));
    edit->setText(QStringLiteral("ga"));
    completer->updateModel(&records, QStringLiteral("ga"));
    completer->initCustomCompletion();
    completer->showSuggestions();
    auto* popup = qobject_cast<GuiListView*>(completer->popup());
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));

    const QImage field = window.grab().toImage();
    const QImage list = popup->grab().toImage();
    // The popup is a window of its own: drawn under the field for the picture.
    QImage shot(qMax(field.width(), list.width() + 8), 40 + list.height(), QImage::Format_ARGB32);
    shot.fill(window.palette().window().color());
    QPainter(&shot).drawImage(0, 0, field);
    QPainter(&shot).drawImage(8, 32, list);
    EXPECT_GT(countPixels(list, isText), 200) << "the suggestions show text";
    EXPECT_GT(countPixels(list, isHighlight), 50) << "the typed prefix is marked";
    EXPECT_TRUE(vxtest::keepScreenshot(shot, "search-completion.png"));
}

TEST_F(SearchScreenshotTest, SearchBarWithASearchTypeChosen)
{
    GuiSearchBar bar(nullptr, nullptr);
    bar.searchTypeBox()->addItems({ "Block Type", "Name", "Property Value", "Property Name" });
    bar.setActiveSearchType(QStringLiteral("property value"));
    bar.setDynamicWidgets(
        { "Label", "Property:", "StringEdit", "SampleTime", "Label", "Value:", "StringEdit",
            "0.001", "Label", "Match:", "DropDown", "Exact\rContains\rRegular expression" },
        false);
    bar.resize(bar.sizeHint().width() + 20, bar.sizeHint().height());
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    const QImage shot = bar.grab().toImage();
    EXPECT_GT(countPixels(shot, isText), 300);
    EXPECT_TRUE(vxtest::keepScreenshot(shot, "search-bar.png"));
}

TEST_F(SearchScreenshotTest, SearchPanelWithResults)
{
    GuiSearchPanel panel(nullptr, nullptr);
    panel.setSearchLabels(QStringLiteral("Found 12 blocks in 3 subsystems"),
        QStringLiteral("Options: deep search, regular expression, match case off"),
        QStringLiteral("Condition: SampleTime = 0.001"), QString());
    panel.slotExpandCollapse();
    panel.resize(420, panel.sizeHint().height());
    panel.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&panel));
    const QImage shot = panel.grab().toImage();
    EXPECT_GT(countPixels(shot, isText), 300);
    EXPECT_TRUE(vxtest::keepScreenshot(shot, "search-panel.png"));
}

} // namespace
