// The list model under QAbstractItemModelTester while rows come, go, are reused and grouped;
// the item roles; lazy data; and what hostile input does to it.
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ModelTester.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/modelexplorer/itemmodels/AutoReset.h"
#include "vx_qtgui/modelexplorer/itemmodels/ItemIndex.h"

#include <QBitArray>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

namespace {

class ListModelTest : public testing::Test {
protected:
    void SetUp() override
    {
        model->setHeaderInfo(0, " ", 20, false, QString());
        model->setHeaderInfo(1, "Name", 80, false, QString());
        model->setHeaderInfo(2, "Info.Kind", 80, false, QString());
    }

    // Adds and frees the record, as the explorer does after handling a message.
    QModelIndex add(VXMEObjectMessageData* record)
    {
        const QModelIndex index = model->addItem(record);
        delete record;
        return index;
    }
    // Refreshes the list keeping rows for reuse, adds the records and frees them.
    void refreshWith(OwnedRecords records)
    {
        model->refresh(&records, QModelIndex(), true);
        for (VXMEObjectData* r : records)
            if (r)
                model->addItem(static_cast<VXMEObjectMessageData*>(r));
    }
    QString text(int row, int column, const QModelIndex& parent = QModelIndex())
    {
        return model->index(row, column, parent).data().toString();
    }

    RecordsFreed freed;
    std::unique_ptr<ListModel> model = std::make_unique<ListModel>(false);
    std::unique_ptr<QAbstractItemModelTester> tester = vxtest::watchModel(model.get());
};

TEST_F(ListModelTest, RowsAddedUpdatedAndRemovedKeepTheObjectIndex)
{
    add(makeRecord(1, { u"one", u"A" }, u"k1"));
    add(makeRecord(2, { u"two", u"B" }, u"k2"));
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(text(1, 1), "two");
    EXPECT_EQ(text(1, 0), "");
    EXPECT_EQ(model->index(0, 2).data(ListModel::SortKeyRole).toString(), "k1");

    // The same object again replaces its row's cells in place.
    add(makeRecord(1, { u"uno", u"C" }));
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(text(0, 1), "uno");
    EXPECT_EQ(model->indexFromItem(handle(1)).row(), 0);

    model->removeItem(model->indexFromItem(handle(1)));
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_FALSE(model->indexFromItem(handle(1)).isValid());
    EXPECT_EQ(model->indexFromItem(handle(2)).row(), 0);
    model->clear();
    EXPECT_EQ(model->root(), nullptr);
}

TEST_F(ListModelTest, RefreshWithRecycleReusesRowsAndDropsTheRest)
{
    for (std::uintptr_t i = 1; i <= 5; ++i)
        add(makeRecord(i, { u"old" }));
    const ListItem* kept = model->itemForObject(handle(4));
    refreshWith({ makeRecord(10, { u"new10" }), makeRecord(11, { u"new11" }) });
    EXPECT_EQ(model->rowCount(), 2) << "rows beyond the number of records go";
    EXPECT_EQ(model->itemForObject(handle(1)), nullptr);
    EXPECT_EQ(model->itemForObject(handle(10)), kept) << "the earliest kept row serves first";
    EXPECT_EQ(text(0, 1), "new10");
    EXPECT_EQ(text(1, 1), "new11");

    // Without records nothing is kept.
    model->refresh(nullptr, QModelIndex(), true);
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(ListModelTest, RecycledRowsWithoutValuesAreStaleAndFetchedAgain)
{
    add(makeRecord(1, { u"a" }));
    model->clearPendingItems(); // the tester read the row before its cells arrived
    QSignalSpy pending(model.get(), &ListModel::pendingListChanged);
    refreshWith({ new CountedRecord(handle(2)) });
    ListItem* item = model->itemForObject(handle(2));
    ASSERT_NE(item, nullptr);
    EXPECT_TRUE(item->stale);
    model->index(0, 1).data();
    model->index(0, 1).data(Qt::EditRole);
    EXPECT_EQ(pending.count(), 1) << "one row is put on the list once";
    QList<ListItem*> taken;
    model->getPendingItems(taken);
    ASSERT_EQ(taken.size(), 1);
    EXPECT_FALSE(model->hasPendingItems());
    item->requested = true;
    model->index(0, 1).data();
    EXPECT_FALSE(model->hasPendingItems()) << "a requested row is not asked for again";
    item->clearForUpdate();
    item->stale = true; // the host reported the row changed
    model->index(0, 1).data();
    EXPECT_TRUE(model->hasPendingItems());
    model->removeItem(model->index(0, 0));
    EXPECT_FALSE(model->hasPendingItems()) << "a removed row leaves the pending list";
}

TEST_F(ListModelTest, GroupingPutsRowsUnderGroupRowsAndUngroupingLiftsThem)
{
    QSignalSpy changed(model.get(), &ListModel::groupChanged);
    model->setGroup("Nope");
    EXPECT_EQ(changed.count(), 0);
    EXPECT_FALSE(model->isGrouped());
    model->setGroup("Info.Kind");

    {
        AutoReset reset(model.get(), true, true);
        add(makeRecord(1, { u"a", u"x" }, u"", u"x"));
        add(makeRecord(2, { u"b", u"y" }, u"", u"y"));
        add(makeRecord(3, { u"c", u"x" }, u"", u"x"));
    }
    add(makeRecord(4, { u"d", u"z" }, u"", u"z")); // outside a reset: signalled inserts
    ASSERT_EQ(model->rowCount(), 3);
    const QModelIndex x = model->index(0, 0);
    EXPECT_TRUE(x.data(ListModel::GroupRowRole).toBool());
    EXPECT_FALSE(x.data(Qt::DisplayRole).isValid()) << "group rows are titled by the proxy";
    EXPECT_TRUE(x.data(ListModel::FlagBitsRole).isValid());
    EXPECT_EQ(model->rowCount(x), 2);
    EXPECT_EQ(text(1, 1, x), "c");
    // Views skip rows that say they never have children: group rows must not say so.
    EXPECT_FALSE(model->flags(x) & Qt::ItemNeverHasChildren);
    EXPECT_TRUE(model->flags(model->index(0, 1, x)) & Qt::ItemNeverHasChildren);
    EXPECT_EQ(model->getGroupName(model->itemForIndex(x), true), "Kind: x");
    EXPECT_EQ(model->getGroupName(model->itemForIndex(x), false), "Info.Kind: x");
    model->setShowGroupPropertyName(false);
    EXPECT_EQ(model->getGroupName(model->itemForIndex(x), true), "x");

    // A row whose group changes moves, and its emptied group goes.
    add(makeRecord(2, { u"b", u"x" }, u"", u"x"));
    EXPECT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->rowCount(model->index(0, 0)), 3);

    model->removeGroup();
    EXPECT_EQ(model->indexFromItem(handle(4)).row(), 3);
}

TEST_F(ListModelTest, GroupingByABooleanColumnGivesOnAndOff)
{
    model->setGroup("Info.Kind");
    for (std::uintptr_t i = 1; i <= 4; ++i) {
        auto* record = makeRecord(i, { u"n", i % 2 ? u"true" : u"0" }, u"", i % 2 ? u"true" : u"0");
        record->listAttributes = new VXMEObjectMessageData::AttributeVector(2);
        (*record->listAttributes)[1] = VXPropertyAttribute(true, false, false, false, true);
        add(record);
    }
    ASSERT_EQ(model->rowCount(), 2);
    EXPECT_EQ(model->itemForIndex(model->index(0, 0))->text(0), "on");
    EXPECT_EQ(model->itemForIndex(model->index(1, 0))->text(0), "off");
    EXPECT_TRUE(model->headerData(2, Qt::Horizontal, ListModel::SortKeyRole).toBool());
}

TEST_F(ListModelTest, CellRolesFollowTheAttributeFlags)
{
    auto* record = makeRecord(1, { u"name", u"" });
    record->listAttributes = new VXMEObjectMessageData::AttributeVector(2);
    VXPropertyAttribute& name = (*record->listAttributes)[0];
    name = VXPropertyAttribute(true, false, false, true); // hyperlink
    name.setStyle("tooltip", std::string("tip"));
    name.setStyle("bold", 1);
    (*record->listAttributes)[1] = VXPropertyAttribute(true, false, true, false, true); // bool
    add(record);

    const QModelIndex link = model->index(0, 1);
    EXPECT_EQ(link.data(Qt::ToolTipRole).toString(), "tip");
    EXPECT_EQ(link.data(Qt::ForegroundRole).value<QColor>(), GuiConstants::StandardBlue);
    const QBitArray bits = link.data(ListModel::FlagBitsRole).toBitArray();
    ASSERT_EQ(bits.size(), 16);
    EXPECT_TRUE(bits.testBit(0) && bits.testBit(3) && bits.testBit(11));
    EXPECT_FALSE(bits.testBit(1) || bits.testBit(4));
    EXPECT_TRUE(model->flags(link) & Qt::ItemIsEditable);

    const QModelIndex boolean = model->index(0, 2);
    EXPECT_EQ(boolean.data(Qt::DisplayRole).toString(), "");
    EXPECT_EQ(boolean.data(Qt::EditRole).toString(), "off");
    EXPECT_FALSE(boolean.data(Qt::CheckStateRole).isValid()) << "no text, no check state";
    EXPECT_FALSE(model->flags(boolean) & Qt::ItemIsEditable) << "read-only cell";
    EXPECT_EQ(boolean.data(Qt::ForegroundRole).value<QColor>(), GuiConstants::StandardGrey);
    EXPECT_FALSE(model->index(0, 1).data(Qt::DecorationRole).isValid());

    EXPECT_TRUE(model->setData(boolean, "on"));
    EXPECT_EQ(boolean.data(Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(boolean.data(Qt::EditRole).toString(), "on");
}

TEST(ListItemColourTest, ColourTextsReadPartByPart)
{
    const std::pair<const char*, QColor> table[] = {
        { "255,0,0", QColor(255, 0, 0, 255) },
        { ",1,2", QColor(255, 1, 2, 255) },
        { "1,2", QColor(1, 2, 255, 255) },
        { "a,b,c", QColor(255, 255, 255, 255) },
        { "", QColor(255, 255, 255, 255) },
        { "10,20,30,40,50", QColor(10, 20, 30, 40) },
        { "-5,999,7", QColor(0, 255, 7) },
        { "99999999999999999999,1,1", QColor(255, 1, 1) },
    };
    for (const auto& [text, expected] : table)
        EXPECT_EQ(ListItem::stringToColor(QString::fromLatin1(text)), expected) << text;
}

TEST(ListModelHeaderTest, DisplayTitlesAndLookups)
{
    EXPECT_EQ(ListModel::getHeaderDisplayTitle("Trailing."), "Trailing.");
    EXPECT_EQ(ListModel::getHeaderDisplayTitle("Plain"), "Plain");
    ListModel model;
    model.setHeaderInfo(0, " ", 20, false, QString());
    model.setHeaderInfo(1, "A.Size", 40, false, QString());
    model.setHeaderInfo(2, "B", 50, true, QString());
    EXPECT_EQ(model.getHeaderSection("size", Qt::CaseInsensitive), 1);
    EXPECT_EQ(model.getHeaderSection("size"), -1);
    QSignalSpy widths(&model, &ListModel::headerWidthChanged);
    model.updateHeaderWidth(1, 99, true);
    ASSERT_EQ(widths.count(), 1);
    EXPECT_EQ(widths[0][0].toString(), "Size");
    EXPECT_TRUE(model.isCustomHeaderWidth(1));
    model.reorderHeader({ "B", "A.Size" });
    EXPECT_EQ(model.getHeaderTitle(1), "B");
    EXPECT_EQ(model.getHeaderTitle(0), " ");
    model.reorderHeader({ "B" });
    EXPECT_EQ(model.columnCount(), 2);
}

TEST_F(ListModelTest, HostileInputIsHarmless)
{
    EXPECT_FALSE(model->addItem(static_cast<VXMEObjectMessageData*>(nullptr)).isValid());
    model->updateItem(nullptr, nullptr, true);
    auto* nullObject = makeRecord(0, { u"placeholder" });
    nullObject->addChild(nullptr);
    add(nullObject);
    EXPECT_EQ(model->rowCount(), 1);
    EXPECT_EQ(model->itemForObject(nullptr), nullptr);

    const std::u16string big(1 << 20, u'q');
    auto* bigRecord = makeRecord(5, { big.c_str(), u"" }, big);
    bigRecord->listAttributes = new VXMEObjectMessageData::AttributeVector(7); // more than values
    (*bigRecord->listAttributes)[0].setStyle("color", std::string("junk")); // no such string key
    add(bigRecord);
    EXPECT_EQ(text(1, 1).size(), 1 << 20);

    // Lists that hold null, null values, more values than columns.
    refreshWith({ nullptr, makeRecord(6, { u"x" }) });
    add(makeRecord(7, { u"a", u"b", u"c", u"d", u"e" }));
    auto* noValues = new CountedRecord(handle(8));
    noValues->listValues = new VXUStringList;
    noValues->listValues->addElement(static_cast<const char16_t*>(nullptr));
    add(noValues);

    EXPECT_FALSE(model->index(-1, 0).isValid());
    EXPECT_FALSE(model->index(0, 99).isValid());
    EXPECT_FALSE(model->data(QModelIndex()).isValid());
    EXPECT_FALSE(model->setData(QModelIndex(), "x"));
    EXPECT_FALSE(model->removeRows(5, 100));
    model->removeItem(QModelIndex());
    model->clearIndex(nullptr, 3);
    EXPECT_EQ(model->itemForUID(nullptr, 3), nullptr);
    model->setGroup("No such column");
    EXPECT_FALSE(model->isGrouped());
    model->refresh(handle(12345), 3, QModelIndex());
}

TEST_F(ListModelTest, IndexRowsAreFoundByOwnerAndRowIndex)
{
    model->setGroup("Name");
    model->addItem(7, handle(50), "k", "g", 1);
    model->addItem(8, handle(50), "k", QString(), 1);
    EXPECT_EQ(model->rowCount(), 2);
    const QModelIndex row7 = model->indexFromUID(handle(50), 7);
    ASSERT_TRUE(row7.isValid());
    EXPECT_TRUE(row7.parent().isValid()) << "placed in its group";
    EXPECT_EQ(model->itemForUID(handle(50), 8)->uid, 8u);
    model->clearIndex(handle(50), 7);
    EXPECT_FALSE(model->indexFromUID(handle(50), 7).isValid());
    EXPECT_EQ(model->rowCount(row7.parent()), 1) << "the row itself stays";

    // A placeholder kept for reuse comes back as a plain object row.
    model->setGroup(QString());
    model->removeGroup();
    refreshWith({ makeRecord(60, { u"real" }) });
    ASSERT_EQ(model->rowCount(), 1);
    const ListItem* row = model->itemForObject(handle(60));
    ASSERT_NE(row, nullptr);
    EXPECT_EQ(row->uidOwner, nullptr);
    EXPECT_EQ(model->itemForUID(handle(50), 8), nullptr);
}

TEST(ListItemEqualityTest, ItemsDifferByCellsAttributesOrIdentity)
{
    ListItem::ItemAttribute bold;
    bold.flags = ListItem::CellValid | ListItem::CellBold;
    ListItem a(handle(1), false, QString(), "k", nullptr);
    ListItem b(handle(1), false, QString(), "k", nullptr);
    a.appendValue("x", ListItem::ItemAttribute());
    b.appendValue("x", ListItem::ItemAttribute());
    EXPECT_TRUE(a == b);
    b.setText(0, "y");
    EXPECT_TRUE(a != b);
    b.setText(0, "x");
    b.clear();
    b.appendValue("x", bold);
    EXPECT_TRUE(a != b) << "same text, other attribute";
    ListItem c(handle(2), false, QString(), "k", nullptr);
    c.appendValue("x", ListItem::ItemAttribute());
    EXPECT_TRUE(a != c);
}

} // namespace

// The index of (owner, row number) pairs against a plain map, over numbers counted from 0 (a
// long list), numbers just past the dense part, and hostile ones up to the largest unsigned.
TEST(ItemIndexTest, IndexRowsAgreeWithAMapWhateverTheNumbers)
{
    ItemIndex index;
    std::map<std::pair<std::uintptr_t, unsigned>, ListItem*> expected;
    auto owner = [](std::uintptr_t id) { return reinterpret_cast<UDInterface*>(id * 16); };
    auto item = [](unsigned n) { return reinterpret_cast<ListItem*>(std::uintptr_t(n + 1) * 16); };
    // Rows numbered past the dense part first, then the rows before them: the dense part grows
    // over the earlier ones.
    for (unsigned uid = 3000; uid-- > 0;) {
        index.setIndexRow(owner(1), uid, item(uid));
        expected[{ 1, uid }] = item(uid);
    }
    std::mt19937 random(7);
    for (unsigned step = 0; step < 40000; ++step) {
        const std::uintptr_t id = 1 + random() % 3;
        const unsigned kind = random() % 4;
        const unsigned uid = kind == 0 ? unsigned(random() % 3000)
            : kind == 1                ? unsigned(random() % 200)
            : kind == 2                ? 4000000000u + unsigned(random() % 16)
                                       : unsigned(random());
        const auto key = std::make_pair(id, uid);
        const auto found = expected.find(key);
        switch (random() % 3) {
        case 0:
            index.setIndexRow(owner(id), uid, item(step));
            expected[key] = item(step);
            break;
        case 1:
            index.removeIndexRow(owner(id), uid);
            expected.erase(key);
            break;
        default: // removing through another item leaves the entry
            index.removeIndexRow(owner(id), uid, item(step));
            if (found != expected.end() && found->second == item(step))
                expected.erase(found);
        }
        ASSERT_EQ(index.indexRow(owner(id), uid), expected.count(key) ? expected[key] : nullptr)
            << "step " << step;
    }
    for (const auto& [key, value] : expected)
        EXPECT_EQ(index.indexRow(owner(key.first), key.second), value);
}
