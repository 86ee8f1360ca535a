// What the search widgets show a person: a completion popup, the search bar with a search type
// chosen, the search panel with results and a filtered list. Each picture must hold text (and the
// filtered list its highlights); with VX_SCREENSHOT_DIR set they are saved there as PNG files.
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"
#include "vx_qtgui/modelexplorer/search/GuiFilterHighlightDelegate.h"
#include "vx_qtgui/modelexplorer/search/GuiListFilter.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchBar.h"
#include "vx_qtgui/modelexplorer/search/GuiSearchPanel.h"
#include "vx_qtgui/modelexplorer/search/SBComboBox.h"

#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QPainter>
#include <QTest>
#include <QTreeView>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

namespace {

int countPixels(const QImage& image, bool (*kind)(QRgb))
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += kind(image.pixel(x, y));
    return count;
}

bool isText(QRgb p)
{
    return qGray(p) < 90;
}

bool isHighlight(QRgb p)
{
    return qRed(p) > 230 && qGreen(p) > 230 && qBlue(p) < 40;
}

void keep(const QImage& image, const char* name)
{
    const QByteArray dir = qgetenv("VX_SCREENSHOT_DIR");
    if (!dir.isEmpty()) {
        EXPECT_TRUE(image.save(QDir(QString::fromLocal8Bit(dir)).filePath(name)));
    }
}

class SearchScreenshotTest : public testing::Test {
protected:
    void SetUp() override
    {
        m_font = QApplication::font();
        QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 10));
        CountedRecord::alive = 0;
    }
    void TearDown() override
    {
        QApplication::setFont(m_font);
        EXPECT_EQ(CountedRecord::alive, 0);
    }
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
    VXMEObjectDataList records;
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
    for (VXMEObjectData* record : records)
        delete record;
    completer->initCustomCompletion();
    completer->showSuggestions();
    auto* popup = qobject_cast<GuiListView*>(completer->popup());
    ASSERT_NE(popup, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup));
    EXPECT_EQ(popup->height(), 4 * 21 + 21);

    const QImage field = window.grab().toImage();
    const QImage list = popup->grab().toImage();
    QImage shot(
        qMax(field.width(), list.width() + 8), 32 + list.height() + 8, QImage::Format_ARGB32);
    shot.fill(window.palette().window().color());
    {
        QPainter painter(&shot);
        painter.drawImage(0, 0, field);
        painter.drawImage(8, 32, list);
    }
    EXPECT_GT(countPixels(list, isText), 200) << "the suggestions show text";
    EXPECT_GT(countPixels(list, isHighlight), 50) << "the typed prefix is marked";
    keep(shot, "search-completion.png");
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
    EXPECT_EQ(bar.widgetValue(1), "Property Value");
    const QImage shot = bar.grab().toImage();
    EXPECT_GT(countPixels(shot, isText), 300);
    keep(shot, "search-bar.png");
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
    keep(shot, "search-panel.png");
}

TEST_F(SearchScreenshotTest, FilteredList)
{
    ListModel model(false);
    model.setHeaderInfo(0, " ", 20, false, QString());
    model.setHeaderInfo(1, "Name", 120, false, QString());
    model.setHeaderInfo(2, "BlockType", 120, false, QString());
    model.setHeaderInfo(3, "SampleTime", 90, false, QString());
    const char16_t* rows[][3] = { { u"Gain", u"Gain", u"-1" },
        { u"Integrator", u"Integrator", u"0" }, { u"Gain1", u"Gain", u"0.001" },
        { u"Scope", u"Scope", u"-1" }, { u"Sum", u"Sum", u"-1" }, { u"Gain2", u"Gain", u"0.01" } };
    std::uintptr_t id = 1;
    for (const auto& row : rows) {
        std::unique_ptr<VXMEObjectMessageData> record(makeRecord(id++, { row[0], row[1], row[2] }));
        model.addItem(record.get());
    }
    ListProxyModel proxy;
    proxy.setSourceModel(&model);

    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* edit = new GuiEdit(nullptr, &window);
    edit->setPlaceholderText(QStringLiteral("Filter"));
    auto* view = new QTreeView(&window);
    view->setRootIsDecorated(false);
    view->setModel(&proxy);
    auto* filter = new GuiListFilter(edit, &proxy, &window);
    view->setItemDelegate(new GuiFilterHighlightDelegate(filter, view));
    layout->addWidget(edit);
    layout->addWidget(view);
    for (int c = 0; c < 4; ++c)
        view->setColumnWidth(c, c == 0 ? 20 : 120);
    window.resize(420, 200);
    edit->setText(QStringLiteral("gain"));
    filter->applyFilter();
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_EQ(proxy.rowCount(), 3);
    const QImage shot = window.grab().toImage();
    EXPECT_GT(countPixels(shot, isText), 300);
    EXPECT_GT(countPixels(shot, isHighlight), 100) << "the matches are marked";
    keep(shot, "search-filter.png");

    edit->clear();
    EXPECT_EQ(proxy.rowCount(), 6) << "clearing restores every row";
}

} // namespace
