// The list proxy under QAbstractItemModelTester while it filters and sorts a changing list:
// filter rules, group titles, the key order and row look-up.
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ModelTester.h"
#include "vx_qtgui/modelexplorer/itemmodels/AutoReset.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ListProxyModelTest : public testing::Test {
protected:
    void SetUp() override
    {
        model->setHeaderInfo(0, " ", 20, false, QString());
        model->setHeaderInfo(1, "Name", 80, false, QString());
        model->setHeaderInfo(2, "Kind", 80, false, QString());
        model->setHeaderInfo(3, "Flag", 80, false, QString());
        proxy->setSourceModel(model.get());
        sourceTester = vxtest::watchModel(model.get());
        proxyTester = vxtest::watchModel(proxy.get());
    }

    // Name, kind and a boolean flag cell; the flag's text is "t" or "".
    void add(std::uintptr_t id, const char16_t* name, const char16_t* kind, const char16_t* sortKey,
        const char16_t* flag = u"", bool nameValid = true)
    {
        VXMEObjectMessageData* record = makeRecord(id, { name, kind, flag }, sortKey, kind);
        record->listAttributes = new VXMEObjectMessageData::AttributeVector(3);
        (*record->listAttributes)[0] = VXPropertyAttribute(nameValid);
        (*record->listAttributes)[2] = VXPropertyAttribute(true, false, false, false, true);
        model->addItem(record);
        delete record;
    }
    QStringList names(const QModelIndex& parent = QModelIndex())
    {
        QStringList out;
        for (int r = 0; r < proxy->rowCount(parent); ++r)
            out << proxy->index(r, 1, parent).data().toString();
        return out;
    }

    RecordsFreed freed;
    std::unique_ptr<ListModel> model = std::make_unique<ListModel>(false);
    std::unique_ptr<ListProxyModel> proxy = std::make_unique<ListProxyModel>();
    std::unique_ptr<QAbstractItemModelTester> sourceTester;
    std::unique_ptr<QAbstractItemModelTester> proxyTester;
};

TEST_F(ListProxyModelTest, SortsByKeysWithEmptyAndInvalidKeysLastBothWays)
{
    add(1, u"r1", u"k", u"a10");
    add(2, u"r2", u"k", u"__INVALID_PROPERTY_VALUE__");
    add(3, u"r3", u"k", u"");
    add(4, u"r4", u"k", u"a9");
    proxy->sort(1, Qt::AscendingOrder);
    EXPECT_EQ(names(), (QStringList { "r4", "r1", "r3", "r2" }));
    proxy->sort(1, Qt::DescendingOrder);
    EXPECT_EQ(names(), (QStringList { "r1", "r4", "r3", "r2" }));

    // A row added or re-keyed while sorted takes its place.
    add(5, u"r5", u"k", u"a2");
    add(1, u"r1", u"k", u"a1"); // same object: key and cells replaced
    proxy->sort(1, Qt::AscendingOrder);
    EXPECT_EQ(names(), (QStringList { "r1", "r5", "r4", "r3", "r2" }));

    // A new key alone (no cells) moves the row while the list stays sorted.
    auto* rekey = new CountedRecord(handle(3));
    rekey->sortKey = u"a0";
    model->addItem(rekey);
    delete rekey;
    EXPECT_EQ(names().first(), "") << "the row's cells are to be fetched again";
    EXPECT_EQ(model->itemForIndex(proxy->mapToSource(proxy->index(0, 0)))->key(), "a0");
}

TEST_F(ListProxyModelTest, FilterMatchesAllColumnsOrOneButNeverBooleanOrInvalidCells)
{
    add(1, u"apple", u"fruit", u"", u"");
    add(2, u"tree", u"apple", u"", u"");
    add(3, u"match", u"a", u"");
    add(4, u"flag", u"thing", u"", u"apple"); // only the check-box column contains it
    add(5, u"match", u"b", u"", u"", false);
    proxy->setFilterEnabled(true);
    QSignalSpy invalidated(proxy.get(), &ListProxyModel::modelFilterInvalidated);
    proxy->filter("apple", QString(), Qt::CaseInsensitive);
    EXPECT_EQ(invalidated.count(), 1);
    EXPECT_TRUE(model->isFilterDirty());
    EXPECT_EQ(names(), (QStringList { "apple", "tree" }));
    proxy->filter(QString(), QString(), Qt::CaseInsensitive);
    EXPECT_EQ(proxy->rowCount(), 5);
    proxy->filter("mat", "name", Qt::CaseInsensitive);
    EXPECT_EQ(proxy->filterKeyColumn(), 1);
    EXPECT_EQ(names(), QStringList { "match" });
    EXPECT_EQ(proxy->index(0, 2).data().toString(), "a");
    proxy->filter("b", "No Such Column", Qt::CaseInsensitive);
    EXPECT_EQ(proxy->filterKeyColumn(), -1);
    EXPECT_EQ(proxy->rowCount(), 1);
    // An index row has no cells to match yet: it always passes.
    model->addItem(6, handle(40), "k", QString(), 0);
    proxy->filter("zzz", QString(), Qt::CaseInsensitive);
    ASSERT_EQ(proxy->rowCount(), 1);
    EXPECT_EQ(model->itemForIndex(proxy->mapToSource(proxy->index(0, 0)))->uid, 6u);
    proxy->setFilterEnabled(false);
    EXPECT_EQ(proxy->rowCount(), 6) << "a disabled filter accepts every row";
}

TEST_F(ListProxyModelTest, GroupTitlesCountMatchesAndGroupsSortByTitleEmptyLast)
{
    model->setGroup("Kind");
    {
        AutoReset reset(model.get(), true, true);
        add(1, u"pear", u"fruit", u"3");
        add(2, u"plum", u"fruit", u"1");
        add(3, u"fig", u"fruit", u"2");
        add(4, u"nameless", u"", u"4");
        add(5, u"oak", u"tree", u"5");
    }
    proxy->sort(0, Qt::AscendingOrder);
    ASSERT_EQ(proxy->rowCount(), 3);
    EXPECT_EQ(proxy->index(0, 0).data().toString(), "Kind: fruit (3)");
    EXPECT_EQ(proxy->index(1, 0).data().toString(), "Kind: tree (1)");
    EXPECT_EQ(proxy->index(2, 0).data().toString(), "Kind:  (1)") << "the empty title last";
    EXPECT_EQ(proxy->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(248, 248, 248));
    EXPECT_EQ(names(proxy->index(0, 0)), (QStringList { "pear", "plum", "fig" }))
        << "rows keep their order inside a group when sorted by column 0";
    proxy->sort(0, Qt::DescendingOrder);
    EXPECT_EQ(proxy->index(0, 0).data().toString(), "Kind: tree (1)");
    EXPECT_EQ(proxy->index(2, 0).data().toString(), "Kind:  (1)");

    proxy->sort(1, Qt::AscendingOrder); // groups stay where they are, rows sort by key
    const QModelIndexList fruit
        = proxy->match(proxy->index(0, 0), Qt::DisplayRole, "Kind: fruit (3)");
    ASSERT_EQ(fruit.size(), 1);
    EXPECT_EQ(names(fruit[0]), (QStringList { "plum", "fig", "pear" }));

    proxy->setFilterEnabled(true);
    proxy->filter("pl", QString(), Qt::CaseInsensitive);
    ASSERT_EQ(proxy->rowCount(), 1);
    EXPECT_EQ(proxy->index(0, 0).data().toString(), "Kind: fruit (1)");
    EXPECT_TRUE(model->itemForIndex(proxy->mapToSource(proxy->index(0, 0)))->filterMatched);

    model->setShowGroupCount(false);
    EXPECT_EQ(proxy->index(0, 0).data().toString(), "Kind: fruit");

    // Ungrouping under the filter: the proxy follows the reset.
    {
        AutoReset reset(model.get(), true, true);
        model->removeGroup();
    }
    EXPECT_EQ(names(), QStringList { "plum" });
}

TEST_F(ListProxyModelTest, MatchItemsLooksInsideGroupsAndHiddenGroupColumnsDoNotFilter)
{
    model->setGroup("Kind");
    add(1, u"needle", u"a", u"");
    add(2, u"hay", u"b", u"");
    add(3, u"Needle", u"b", u"");
    add(4, u"alpha", u"shared", u"");
    add(5, u"shared", u"other", u"");
    QModelIndexList found;
    proxy->matchItems(QModelIndex(), "needle", found);
    EXPECT_EQ(found.size(), 2);
    found.clear();
    proxy->matchItems(QModelIndex(), "needle", found, Qt::MatchCaseSensitive);
    ASSERT_EQ(found.size(), 1);
    EXPECT_EQ(found[0].model(), proxy.get());
    EXPECT_EQ(found[0].parent().data().toString(), "Kind: a (1)");

    model->setHideGroupColumn(true);
    proxy->setFilterEnabled(true);
    proxy->filter("shared", QString(), Qt::CaseInsensitive);
    ASSERT_EQ(proxy->rowCount(), 1);
    EXPECT_EQ(proxy->index(0, 0).data().toString(), "Kind: other (1)");
}

TEST_F(ListProxyModelTest, RowsChangingUnderASortedFilteredProxyKeepItConsistent)
{
    proxy->sort(1, Qt::AscendingOrder);
    proxy->setFilterEnabled(true);
    proxy->filter("1", QString(), Qt::CaseInsensitive);
    for (std::uintptr_t i = 1; i <= 60; ++i) {
        const std::u16string name = QString("row%1").arg(i).toStdU16String();
        const std::u16string key = QString("key%1").arg(61 - i).toStdU16String();
        add(i, name.c_str(), u"k", key.c_str());
    }
    EXPECT_EQ(proxy->rowCount(), 15); // row1, row10..row19, row21, 31, 41, 51
    OwnedRecords records { makeRecord(100, { u"row100" }, u"b"), makeRecord(101, { u"x1" }, u"a") };
    model->refresh(&records, QModelIndex(), true);
    for (VXMEObjectData* r : records)
        model->addItem(static_cast<VXMEObjectMessageData*>(r));
    EXPECT_EQ(names(), (QStringList { "x1", "row100" }));
    proxy->filter(QString(), QString(), Qt::CaseInsensitive);
    model->clear();
    EXPECT_EQ(proxy->rowCount(), 0);
}

// The host answers a header click by sending the list again with new keys, as index rows for a
// long list: the new rows are ranked as the reset ends and shown in their keys' order.
TEST_F(ListProxyModelTest, ListReplacedWhileSortedFollowsTheNewKeysBothWays)
{
    struct Case {
        Qt::SortOrder order;
        QStringList firstRows;
    };
    const Case cases[] = {
        { Qt::AscendingOrder, { "i2", "i3", "i0", "i1" } },
        { Qt::DescendingOrder, { "i1", "i0", "i3", "i2" } },
    };
    UDInterface* owner = handle(900);
    for (const Case& c : cases) {
        model->clear();
        add(1, u"old1", u"k", u"b");
        add(2, u"old2", u"k", u"a");
        proxy->sort(1, c.order);
        const char16_t* keys[] = { u"0000002", u"0000003", u"0000000", u"0000001" };
        {
            AutoReset reset(model.get(), true, true);
            model->refresh(nullptr, QModelIndex(), false);
            for (unsigned i = 0; i < 4; ++i)
                model->addItem(i, owner, QString::fromStdU16String(keys[i]), QString(), -1);
        }
        // Index rows have no cells: name them by their place in the host's list.
        QStringList shown;
        for (int r = 0; r < proxy->rowCount(); ++r) {
            const ListItem* item = model->itemForIndex(proxy->mapToSource(proxy->index(r, 0)));
            ASSERT_NE(item, nullptr);
            shown << QStringLiteral("i%1").arg(item->uid);
        }
        EXPECT_EQ(shown, c.firstRows) << "order " << int(c.order);
    }
}

TEST(ListProxyModelAloneTest, NoSourceOrAForeignSourceIsHarmless)
{
    ListProxyModel proxy;
    proxy.filter("x", "col", Qt::CaseInsensitive);
    proxy.setFilterEnabled(true);
    proxy.invalidateFilter(true);
    EXPECT_EQ(proxy.rowCount(), 0);
    EXPECT_EQ(proxy.compare(QModelIndex(), QModelIndex()), 0);
    QModelIndexList found;
    proxy.matchItems(QModelIndex(), "x", found);
    EXPECT_TRUE(found.isEmpty());
    EXPECT_EQ(proxy.compareStrings("", "", false), 0);
    EXPECT_GT(proxy.compareStrings("", "a", false), 0);
    EXPECT_LT(proxy.compareStrings("", "a", true), 0);
}

} // namespace
