// The record-aware completer on its own, its proxy under QAbstractItemModelTester.
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ModelTester.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"
#include "vx_qtgui/modelexplorer/search/GuiCompletionProxyModel.h"
#include "vx_qtgui/modelexplorer/search/GuiListAutoCompleterFilter.h"

#include <QHeaderView>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class CompleterTest : public testing::Test {
protected:
    void SetUp() override
    {
        edit->enableAutoComplete(true);
        completer = edit->recordCompleter();
        ASSERT_NE(completer, nullptr);
        tester = vxtest::watchModel(completer->proxyModel());
    }

    // A titled list of one-column records, handed to the completer and freed again.
    void supply(const std::vector<const char16_t*>& names, const QString& prefix = QString(),
        const char16_t* kindTitle = u"Kind")
    {
        OwnedRecords records;
        auto* head = makeRecord(0, { u"Name", kindTitle });
        head->object = nullptr;
        records.push_back(head);
        std::uintptr_t id = 1;
        for (const char16_t* name : names)
            records.push_back(makeRecord(id++, { name, u"block" }));
        completer->updateModel(&records, prefix);
        // The records stay the caller's.
        EXPECT_EQ(CountedRecord::alive, int(records.size()));
    }
    QStringList shown()
    {
        QStringList out;
        auto* proxy = completer->proxyModel();
        for (int r = 0; r < proxy->rowCount(); ++r)
            out << proxy->index(r, completer->completionColumn()).data().toString();
        return out;
    }
    QStringList filtered(const QString& prefix)
    {
        completer->setPrefix(prefix);
        completer->proxyModel()->refilter();
        return shown();
    }

    RecordsFreed freed;
    std::unique_ptr<GuiEdit> edit = std::make_unique<GuiEdit>(nullptr, nullptr);
    GuiCompleter* completer = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(CompleterTest, PopupIsAnExplorerListOverTheCompletionRows)
{
    supply({ u"alpha", u"beta" });
    auto* view = qobject_cast<GuiListView*>(completer->popup());
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view, completer->listView());
    EXPECT_EQ(view->listModel(), completer->listModel());
    EXPECT_EQ(view->proxyModel(), completer->proxyModel());
    EXPECT_EQ(view->filter(), static_cast<GuiFilterInterface*>(completer->filter()));
    EXPECT_EQ(completer->filter()->edit(), edit.get());
    EXPECT_EQ(view->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(view->freezeView(), nullptr);

    // A press on a suggestion never arms a drag of the rows.
    view->resize(300, 84);
    const QPoint row = view->visualRect(view->model()->index(0, 1)).center();
    ASSERT_TRUE(view->indexAt(row).isValid());
    QTest::mousePress(view->viewport(), Qt::LeftButton, Qt::NoModifier, row);
    EXPECT_FALSE(view->isDragArmed());
    QTest::mouseRelease(view->viewport(), Qt::LeftButton, Qt::NoModifier, row);
}

TEST_F(CompleterTest, PopupIsTwentyOnePixelsPerRowUpToTenPlusTheHeader)
{
    GuiListView* view = completer->listView();
    const int before = view->height();
    completer->adjustViewHeight(0);
    EXPECT_EQ(view->height(), before) << "no rows keep the height";
    const struct {
        int rows;
        int height;
    } cases[] = { { 1, 42 }, { 3, 84 }, { 10, 231 }, { 11, 231 }, { 25, 231 } };
    for (const auto& c : cases) {
        completer->adjustViewHeight(c.rows);
        EXPECT_EQ(view->minimumHeight(), c.height) << c.rows;
        EXPECT_EQ(view->maximumHeight(), c.height) << c.rows;
        completer->adjustViewHeight(0);
        EXPECT_EQ(view->maximumHeight(), c.height) << "0 rows after " << c.rows;
    }
}

TEST_F(CompleterTest, FillingFromRecordsTitlesTheColumnsAndPicksTheCompletionColumn)
{
    supply({ u"alpha", u"beta", u"gamma" });
    ListModel* model = completer->listModel();
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->getHeaderTitle(1), "Name");
    EXPECT_EQ(model->getHeaderTitle(2), "Kind");
    EXPECT_EQ(completer->completionColumn(), 1);
    EXPECT_EQ(shown(), (QStringList { "alpha", "beta", "gamma" }));
    const QFontMetrics fm(completer->listView()->header()->font());
    EXPECT_GE(completer->listView()->columnWidth(1), fm.horizontalAdvance("Name"));

    // The same titles keep the model; records that start with the prefix in another column
    // make that the completion column.
    supply({ u"one", u"two" }, QStringLiteral("blo"));
    EXPECT_EQ(completer->listModel(), model);
    EXPECT_EQ(completer->completionColumn(), 2);

    supply({ u"three" }, QString(), u"Library");
    EXPECT_EQ(completer->listModel(), model);
    ASSERT_EQ(model->columnCount(), 3);
    EXPECT_EQ(model->getHeaderTitle(2), "Library");
    EXPECT_EQ(completer->popup()->model()->headerData(2, Qt::Horizontal).toString(), "Library");
    EXPECT_EQ(shown(), (QStringList { "three" }));
}

TEST_F(CompleterTest, NarrowingAndWideningGiveTheSameRowsAsAFreshFilter)
{
    std::vector<std::u16string> names;
    for (int i = 0; i < 300; ++i)
        names.push_back(u"item" + QString::number(i * 7).toStdU16String());
    std::vector<const char16_t*> pointers;
    for (const auto& n : names)
        pointers.push_back(n.c_str());
    supply(pointers);
    // Typed forward, deleted back, retyped differently; contains, then ends with.
    for (int option : { 1, 2 }) {
        completer->setHostMatchOption(option);
        for (const char* prefix : { "1", "14", "147", "14", "1", "", "2", "21", "210" }) {
            const QStringList incremental = filtered(QString::fromLatin1(prefix));
            completer->proxyModel()->forgetMatches();
            EXPECT_EQ(filtered(QString::fromLatin1(prefix)), incremental) << prefix;
            EXPECT_TRUE(*prefix || incremental.size() == 300) << "no prefix shows every row";
        }
    }
}

TEST_F(CompleterTest, TextsHandedToTheHostCarryTheTitlesAndEveryColumn)
{
    supply({ u"alpha", u"beta" });
    std::vector<void*> out;
    EXPECT_EQ(completer->fillVectorWithListViewText(&out), 2);
    int rows = 0, columns = 0;
    EXPECT_EQ(takeListTexts(out, &rows, &columns),
        (std::vector<std::u16string> { u"Name", u"Kind", u"alpha", u"block", u"beta", u"block" }));
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(columns, 2);
    EXPECT_EQ(completer->fillVectorWithListViewText(nullptr), 0);
}

} // namespace
