// The spreadsheet end to end: a host builds it through the bridge, fills it with objects and
// drives it through its peer; user actions on the grid reach the host as list events. The
// models are watched by QAbstractItemModelTester while they change.
#include "engine/VXBridge.h"
#include "engine/modelexplorer/VXMEEditTypeData.h"
#include "host/HostObjectDataFactory.h"
#include "messaging/QtSpreadSheet.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ListViewFixture.h"
#include "tests/modelexplorer/ModelTester.h"
#include "vrix/VXStringList.h"
#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/modelexplorer/GuiSpreadSheet.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include <QComboBox>
#include <QHeaderView>
#include <QTest>
#include <QToolButton>
#include <tuple>

#include <gtest/gtest.h>

using vxtest::runOnGuiThread;

namespace {

// The list fixture's rows 1..count; row `readOnlyKind` has a read-only kind cell.
VXMEObjectDataList* rows(int count, int readOnlyKind = 0)
{
    auto* list = new VXMEObjectDataList;
    for (int id = 1; id <= count; ++id)
        list->push_back(ListViewFixture::row(id, id == readOnlyKind ? ReadOnly : Plain));
    return list;
}

// The list fixture's members, here the sheet's own view and models.
class SpreadSheetTest : public ListViewFixture {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(startLeakCheckAndHost());
        m_sheet = own(static_cast<QtSpreadSheet*>(vxtest::bridge()->createSpreadSheet(nullptr)));
        ASSERT_NE(m_sheet, nullptr);
        m_host.watch(m_sheet);
        ASSERT_TRUE(runOnGuiThread([&] {
            m_widget = vxtest::widgetOf<GuiSpreadSheet>(m_sheet);
            ASSERT_NE(m_widget, nullptr);
            m_model = m_widget->listModel();
            m_proxy = m_widget->proxyModel();
            m_view = m_widget->listView();
            m_modelTester = vxtest::watchModel(m_model);
            m_proxyTester = vxtest::watchModel(m_proxy);
        }));
        auto* names = new VXStringList;
        for (const char* name : { "Name", "Info.Kind", "Done", "Link" })
            names->addElement(name);
        m_sheet->replacePropertyNames(names, nullptr);
        m_sheet->replaceList(rows(6, 3), u"");
        m_sheet->show(true);
        ASSERT_TRUE(runOnGuiThread([&] { m_widget->resize(640, 320); }));
        ASSERT_TRUE(vxtest::pumpUntilOnGui([&] { return m_widget->isVisible(); }));
    }

    void TearDown() override
    {
        m_view = nullptr; // the sheet's widget owns them
        m_proxy = nullptr;
        m_model = nullptr;
        ListViewFixture::TearDown();
    }

    // GUI thread: a point on the header of `column`.
    QPoint headerPoint(int column) const
    {
        return QPoint(
            m_view->header()->sectionViewportPosition(column) + 10, m_view->header()->height() / 2);
    }
    int visibleRows() const
    {
        int count = 0;
        vxtest::runOnGuiThread([&] { count = m_proxy->rowCount(); });
        return count;
    }

    QtSpreadSheet* m_sheet = nullptr;
    GuiSpreadSheet* m_widget = nullptr;
};

TEST_F(SpreadSheetTest, ShowsHostObjectsAsRowsAndAnswersTheHostsQueries)
{
    EXPECT_EQ(visibleRows(), 6);
    std::vector<UDInterface*> items;
    m_sheet->getItems(&items);
    EXPECT_EQ(items.size(), 6u);
    EXPECT_TRUE(m_sheet->isInView(handle(6)));
    EXPECT_FALSE(m_sheet->isInView(handle(99)));
    EXPECT_FALSE(m_sheet->isInView(nullptr));
    m_sheet->setTitle(u"Parts");
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(m_widget->windowTitle(), QStringLiteral("Parts"));
        EXPECT_EQ(m_model->getHeaderSection(QStringLiteral("Info.Kind")), 2);
        EXPECT_EQ(m_model->itemForObject(handle(2))->text(1), QStringLiteral("row2"));
        // Read-only cells of a sheet are faint; headers are shaded, rows a little taller.
        const QModelIndex readOnly = m_model->indexFromItem(handle(3)).siblingAtColumn(2);
        EXPECT_EQ(readOnly.data(Qt::ForegroundRole).value<QColor>(), GuiConstants::FaintTextColor);
        EXPECT_NE(readOnly.siblingAtColumn(1).data(Qt::ForegroundRole).value<QColor>(),
            GuiConstants::FaintTextColor);
        EXPECT_EQ(m_model->headerData(0, Qt::Horizontal, Qt::BackgroundRole).value<QColor>(),
            QColor(245, 245, 245));
        EXPECT_GE(readOnly.data(Qt::SizeHintRole).toSize().height(), 23);
    }));
    // The host's selection marks its rows and is not sent back; a foreign handle is skipped.
    m_sheet->select({ handle(2), handle(4), handle(99) }, false);
    std::vector<UDInterface*> selected;
    m_sheet->getSelection(&selected);
    EXPECT_EQ(selected, (std::vector<UDInterface*> { handle(2), handle(4) }));
    auto marked = [&] {
        bool fake = false;
        runOnGuiThread([&] { fake = m_model->itemForObject(handle(4))->fakeSelected; });
        return fake;
    };
    EXPECT_TRUE(marked());
    m_sheet->select({}, false);
    EXPECT_FALSE(marked());
    vxtest::deliverEvents();
    EXPECT_EQ(m_host.count(SSSelectionChangedEvent), 0u);
    std::vector<void*> answer;
    m_sheet->fillVectorWithSpreadSheetText(&answer);
    int rowCount = 0, columns = 0;
    const std::vector<std::u16string> texts = takeListTexts(answer, &rowCount, &columns);
    EXPECT_EQ(rowCount, 6);
    ASSERT_EQ(columns, 4);
    ASSERT_EQ(texts.size(), 4u + 6u * 4u) << "titles, then the cells row by row";
    EXPECT_EQ((std::vector<std::u16string>(texts.begin(), texts.begin() + 7)),
        (std::vector<std::u16string> { u"Name", u"Kind", u"Done", u"Link", u"row1", u"A", u"0" }))
        << "a boolean's edit text";
    // Only the read-only cell is drawn disabled; host input that names nothing answers false.
    const std::tuple<UDInterface*, int, bool> cells[] = { { handle(3), 2, true },
        { handle(3), 1, false }, { handle(4), 2, false }, { handle(99), 2, false },
        { nullptr, 2, false }, { handle(3), -1, false }, { handle(3), 1000, false } };
    for (const auto& [object, column, disabled] : cells)
        EXPECT_EQ(m_sheet->isItemDrawnDisabled(object, column), disabled) << object << column;
}

TEST_F(SpreadSheetTest, HostEditsWriteTheCellsAndReachTheHost)
{
    m_sheet->editItems({ handle(1), handle(2), handle(77) }, "Info.Kind", u"Z");
    m_sheet->editItems({ handle(1) }, "NoSuchColumn", u"Q");
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(m_model->itemForObject(handle(1))->text(2), QStringLiteral("Z"));
        EXPECT_EQ(m_model->itemForObject(handle(2))->text(2), QStringLiteral("Z"));
        EXPECT_EQ(m_model->itemForObject(handle(3))->text(2), QStringLiteral("A"));
    }));
    vxtest::deliverEvents();
    const auto changes = m_host.ofType(SSItemsChangedEvent);
    ASSERT_EQ(changes.size(), 1u) << "an unknown column changes nothing";
    ASSERT_EQ(changes[0].records.size(), 2u) << "an unknown object is dropped";
    EXPECT_EQ(changes[0].records[0].object, handle(1));
    EXPECT_EQ(changes[0].records[1].object, handle(2));
}

TEST_F(SpreadSheetTest, HeaderClicksAndHostCommandsSortAndGroup)
{
    // The host answers a grouping change with the list again, as a host does.
    m_host.setAnswer([this](const SeenListEvent& e) {
        if (e.type == SSGroupingChangedEvent)
            m_sheet->replaceList(rows(6, 3), u"");
    });
    // The host's sort command reaches the grid and sends nothing back.
    m_sheet->sort("Name", false);
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(m_view->header()->sortIndicatorSection(), 1);
        EXPECT_EQ(m_view->header()->sortIndicatorOrder(), Qt::DescendingOrder);
    }));
    // A plain click sorts, the next one reverses; each Control click groups by the column or
    // ungroups, and hides the sort indicator.
    const struct {
        bool control;
        const char* group;
        int rows; // one group row per kind
    } clicks[] = { { false, "", 6 }, { false, "", 6 }, { true, "Info.Kind", 2 }, { true, "", 6 },
        { true, "Info.Kind", 2 } };
    for (const auto& c : clicks) {
        ASSERT_TRUE(runOnGuiThread([&] {
            QTest::mouseClick(m_view->header()->viewport(), Qt::LeftButton,
                c.control ? Qt::ControlModifier : Qt::NoModifier, headerPoint(2));
            EXPECT_EQ(m_view->header()->isSortIndicatorShown(), !c.control) << &c - clicks;
        }));
        vxtest::deliverEvents();
        ASSERT_TRUE(runOnGuiThread([&] {
            EXPECT_EQ(m_model->groupProperty().toStdString(), c.group) << &c - clicks;
            EXPECT_EQ(m_proxy->rowCount(), c.rows) << &c - clicks;
        }));
    }

    // The host clearing the grouping takes the group rows away before the host hears of it.
    m_sheet->setGroupColumn(nullptr);
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(m_model->groupProperty().isEmpty());
        EXPECT_EQ(m_proxy->rowCount(), 6);
    }));
    vxtest::deliverEvents();
    m_sheet->setGroupColumn("Info.Kind");
    vxtest::deliverEvents();
    EXPECT_EQ(visibleRows(), 2);
    m_host.setAnswer(nullptr);

    const auto sorts = m_host.ofType(SSSortingChangedEvent);
    ASSERT_EQ(sorts.size(), 2u) << "Control clicks and the host's sort send no sort request";
    EXPECT_EQ(sorts[0].text, "Kind");
    EXPECT_TRUE(sorts[0].state);
    EXPECT_FALSE(sorts[1].state);
    std::vector<std::string> groups;
    for (const SeenListEvent& e : m_host.ofType(SSGroupingChangedEvent))
        groups.push_back(e.text);
    EXPECT_EQ(groups, (std::vector<std::string> { "Info.Kind", "", "Info.Kind", "", "Info.Kind" }));
}

TEST_F(SpreadSheetTest, FilterBoxFiltersAndItsCloseButtonOrANewListShowEveryRowAgain)
{
    m_sheet->toggleFilter();
    ASSERT_TRUE(runOnGuiThread([&] {
        QWidget* box = m_widget->filterBox();
        ASSERT_TRUE(box->isVisible());
        EXPECT_LE(box->geometry().right(), m_widget->width());
        EXPECT_GE(box->y(), m_view->header()->height()) << "just under the header";
        EXPECT_EQ(m_widget->filterEdit()->placeholderText(), QStringLiteral("Filter Contents"));
        QTest::keyClicks(m_widget->filterEdit(), QStringLiteral("row3"));
    }));
    ASSERT_TRUE(vxtest::pumpUntilOnGui([&] { return m_proxy->rowCount() == 1; }));
    EXPECT_EQ(m_sheet->getFilterText(), u"row3");
    ASSERT_TRUE(runOnGuiThread([&] {
        QTest::mouseClick(m_widget->filterCloseButton(), Qt::LeftButton);
        EXPECT_FALSE(m_widget->filterBox()->isVisible());
        EXPECT_FALSE(m_proxy->isFilterEnabled());
        EXPECT_EQ(m_proxy->rowCount(), 6);
    }));
    EXPECT_EQ(m_sheet->getFilterText(), u"");
    // Replacing the list clears the filter text.
    m_sheet->setFilterText(u"row2");
    EXPECT_EQ(visibleRows(), 1);
    m_sheet->replaceList(rows(4), u"");
    EXPECT_EQ(m_sheet->getFilterText(), u"");
    EXPECT_EQ(visibleRows(), 4);
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_FALSE(m_proxy->isFilterEnabled()); }));
}

} // namespace

// Writes the documentation picture when VX_SCREENSHOT_DIR names a directory: rows grouped by
// kind, check boxes, the floating filter box, and a kind being edited in place in the combo box
// the host asked for.
TEST_F(SpreadSheetTest, Screenshot)
{
    if (qEnvironmentVariableIsEmpty("VX_SCREENSHOT_DIR"))
        GTEST_SKIP() << "VX_SCREENSHOT_DIR is not set";
    m_sheet->setGroupColumn("Info.Kind");
    m_sheet->replaceList(rows(9, 3), u"");
    m_sheet->editItems({ handle(1), handle(4), handle(7) }, "Done", u"1");
    m_sheet->toggleFilter();
    // The host answers the edit request as a host does: a combo box of kinds, and the value.
    m_host.setAnswer([this](const SeenListEvent& e) {
        if (e.type != SSItemsEditRequest || e.records.empty())
            return;
        auto* type = new VXMEEditTypeData;
        for (const char* kind : { "A", "B", "C" })
            type->choices.addElement(kind);
        type->editable = true;
        m_sheet->changeEditType(type);
        m_sheet->editListNodes(new VXMEObjectDataList { makeRecord(5, { u"row5", u"A" }) });
    });
    ASSERT_TRUE(runOnGuiThread([&] {
        m_widget->resize(560, 320);
        m_view->expandAll();
        const QModelIndex kind = m_proxy->index(2, 2, m_proxy->index(0, 0)); // row5
        ASSERT_EQ(m_model->itemForIndex(m_proxy->mapToSource(kind))->object, handle(5));
        QTest::mouseClick(
            m_view->viewport(), Qt::LeftButton, {}, m_view->visualRect(kind).center());
        QTest::keyClick(m_view, Qt::Key_F2);
    }));
    vxtest::deliverEvents();
    ASSERT_TRUE(vxtest::pumpUntilOnGui([&] {
        return qobject_cast<QComboBox*>(m_view->indexWidget(m_view->currentIndex())) != nullptr;
    }));
    m_host.setAnswer(nullptr);
    ASSERT_TRUE(runOnGuiThread([&] {
        auto* combo = qobject_cast<QComboBox*>(m_view->indexWidget(m_view->currentIndex()));
        EXPECT_EQ(combo->currentText(), QStringLiteral("A"));
        EXPECT_TRUE(m_widget->filterBox()->isVisible());
        EXPECT_TRUE(vxtest::keepScreenshot(m_widget->grab().toImage(), "spreadsheet.png"));
    }));
}
