// The filter edit above a list, its proxy under QAbstractItemModelTester.
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ModelTester.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/search/GuiFilterEventFilter.h"
#include "vx_qtgui/modelexplorer/search/GuiFilterHighlightDelegate.h"
#include "vx_qtgui/modelexplorer/search/GuiListFilter.h"

#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <memory>

namespace {

using vxtest::isHighlight;

class ListFilterTest : public testing::Test {
protected:
    void SetUp() override
    {
        model->setHeaderInfo(0, " ", 20, false, QString());
        model->setHeaderInfo(1, "Name", 80, false, QString());
        model->setHeaderInfo(2, "Block.Kind", 80, false, QString());
        add(1, u"gain1", u"Gain");
        add(2, u"Abacus", u"Sum");
        add(3, u"scope", u"Kind:ab");
        add(4, u"sum2", u"Sum");
        add(5, u"gab", u"Product");
        proxy->setSourceModel(model.get());
        tester = vxtest::watchModel(proxy.get());
        new GuiFilterEventFilter(edit);
    }
    void add(std::uintptr_t id, const char16_t* name, const char16_t* kind)
    {
        std::unique_ptr<VXMEObjectMessageData> record(makeRecord(id, { name, kind }));
        model->addItem(record.get());
    }
    QStringList names() const
    {
        QStringList out;
        for (int r = 0; r < proxy->rowCount(); ++r)
            out << proxy->index(r, 1).data().toString();
        return out;
    }

    RecordsFreed freed;
    std::unique_ptr<ListModel> model = std::make_unique<ListModel>(false);
    std::unique_ptr<ListProxyModel> proxy = std::make_unique<ListProxyModel>();
    std::unique_ptr<QAbstractItemModelTester> tester;
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    GuiEdit* edit = new GuiEdit(nullptr, window.get());
    GuiListFilter* filter = new GuiListFilter(edit, proxy.get(), window.get());
};

struct FilterCase {
    const char* text;
    const char* column;
    int columnIndex;
    const char* filterString;
    Qt::CaseSensitivity cs;
    QStringList rows;
};

class ListFilterRuleTest : public ListFilterTest,
                           public testing::WithParamInterface<FilterCase> { };

TEST_P(ListFilterRuleTest, TextDecidesColumnCaseAndRows)
{
    const FilterCase& c = GetParam();
    edit->setText(QString::fromUtf8(c.text));
    EXPECT_EQ(filter->getFilterColumn(), QString::fromUtf8(c.column));
    EXPECT_EQ(filter->getFilterColumnIndex(), c.columnIndex);
    EXPECT_EQ(filter->getFilterString(), QString::fromUtf8(c.filterString));
    EXPECT_EQ(filter->matchCaseCriteria(), c.cs);
    filter->applyFilter();
    EXPECT_EQ(names(), c.rows);
}

INSTANTIATE_TEST_SUITE_P(Texts, ListFilterRuleTest,
    testing::Values(
        FilterCase { "ab", "", -1, "ab", Qt::CaseInsensitive, { "Abacus", "scope", "gab" } },
        FilterCase { "  AB ", "", -1, "AB", Qt::CaseInsensitive, { "Abacus", "scope", "gab" } },
        FilterCase { "Name:ab", "Name", 1, "ab", Qt::CaseInsensitive, { "Abacus", "gab" } },
        FilterCase { "kind : sum", "kind", 2, "sum", Qt::CaseInsensitive, { "Abacus", "sum2" } },
        FilterCase { "\"Kind:ab\"", "", -1, "Kind:ab", Qt::CaseSensitive, { "scope" } },
        FilterCase { "\"ab\"", "", -1, "ab", Qt::CaseSensitive, { "scope", "gab" } },
        FilterCase { "Nope:ab", "", -1, "Nope:ab", Qt::CaseInsensitive, {} },
        FilterCase { "a:b:c", "", -1, "a:b:c", Qt::CaseInsensitive, {} },
        FilterCase { "Name:", "Name", 1, "", Qt::CaseInsensitive,
            { "gain1", "Abacus", "scope", "sum2", "gab" } }));

TEST_F(ListFilterTest, TypingFiltersOnceAfterThePauseAndClearingRestoresAtOnce)
{
    QSignalSpy changes(filter, &GuiListFilter::filterChanged);
    window->show();
    QTest::keyClicks(edit, "gai");
    EXPECT_EQ(changes.count(), 0) << "no filtering while typing";
    EXPECT_EQ(proxy->rowCount(), 5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return changes.count() > 0; }, 2000));
    QTest::qWait(GuiListFilter::m_FilterTimerDelay + 50);
    EXPECT_EQ(changes.count(), 1) << "three keys, one filtering";
    EXPECT_EQ(changes.takeFirst().at(0).toString(), "gai");
    EXPECT_EQ(names(), QStringList { "gain1" });

    edit->clear();
    ASSERT_EQ(changes.count(), 1) << "clearing filters without waiting";
    EXPECT_EQ(changes.takeFirst().at(0).toString(), "");
    EXPECT_EQ(proxy->rowCount(), 5);
    EXPECT_FALSE(proxy->isFilterEnabled());
}

TEST_F(ListFilterTest, EscapeEmptiesTheFilterAndGivesUpTheFocus)
{
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->activateWindow();
    edit->setFocus();
    edit->setText("sum");
    filter->applyFilter();
    EXPECT_EQ(names(), (QStringList { "Abacus", "sum2" }));
    QTest::keyClick(edit, Qt::Key_Escape);
    EXPECT_TRUE(edit->text().isEmpty());
    EXPECT_FALSE(edit->hasFocus());
    EXPECT_EQ(proxy->rowCount(), 5);
    QTest::keyClick(edit, Qt::Key_X);
    EXPECT_EQ(edit->text(), "x");
}

TEST_F(ListFilterTest, MatchesNeedAFilterTextAndFollowTheCaseRule)
{
    EXPECT_FALSE(filter->isMatch("anything")) << "an empty filter matches nothing";
    edit->setText("AB");
    EXPECT_TRUE(filter->isMatch("gab"));
    edit->setText("\"AB\"");
    EXPECT_FALSE(filter->isMatch("gab"));
    EXPECT_TRUE(filter->isMatch("xABx"));
    filter->clear();
    EXPECT_TRUE(filter->imGetFilterString().isEmpty());
}

TEST_F(ListFilterTest, HighlightsCoverEachOccurrenceAndStopBeforeTheDots)
{
    edit->setText("ab");
    QFont font(QStringLiteral("DejaVu Sans"), 12);
    const QFontMetrics fm(font);
    const QString text = QStringLiteral("xxab yy ab");
    QImage image(400, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        filter->highLight(text, QRect(0, 0, 400, 20), fm, &painter);
    }
    const int first = fm.horizontalAdvance("xx") + 2;
    const int second = fm.horizontalAdvance("xxab yy ") + 2;
    const int width = fm.horizontalAdvance("ab");
    EXPECT_TRUE(isHighlight(image.pixel(first + 1, 10)));
    EXPECT_TRUE(isHighlight(image.pixel(first + width - 2, 10)));
    EXPECT_TRUE(isHighlight(image.pixel(second + width / 2, 10)));
    EXPECT_FALSE(isHighlight(image.pixel(first - 3, 10)));
    EXPECT_FALSE(isHighlight(image.pixel(first + width + 2, 10)));

    // A cell too narrow for the second occurrence: it is cut before the dots.
    image.fill(Qt::white);
    const int right = second + width / 2;
    {
        QPainter painter(&image);
        filter->highLight(text, QRect(0, 0, right + 1, 20), fm, &painter);
    }
    const int dots = fm.horizontalAdvance(GuiFilter::ThreeDots);
    EXPECT_TRUE(isHighlight(image.pixel(first + 1, 10)));
    for (int x = right - dots + 1; x < 400; ++x)
        ASSERT_FALSE(isHighlight(image.pixel(x, 10))) << x;
}

TEST_F(ListFilterTest, AViewShowsTheMatchesHighlightedOnlyInTheFilteredColumn)
{
    QTreeView view;
    view.setModel(proxy.get());
    view.setItemDelegate(new GuiFilterHighlightDelegate(filter, &view));
    view.resize(400, 200);
    edit->setText("Name:ab");
    filter->applyFilter();
    const QImage shot = view.grab().toImage();
    const auto yellowIn = [&](int column) {
        const int x0 = view.columnViewportPosition(column);
        const int x1 = x0 + view.columnWidth(column);
        int count = 0;
        for (int y = 0; y < view.viewport()->height(); ++y)
            for (int x = qMax(0, x0); x < qMin(shot.width(), x1); ++x)
                count
                    += isHighlight(shot.pixel(x + view.viewport()->x(), y + view.viewport()->y()));
        return count;
    };
    EXPECT_GT(yellowIn(1), 0);
    EXPECT_EQ(yellowIn(2), 0) << "the other column is not marked";
}

} // namespace
