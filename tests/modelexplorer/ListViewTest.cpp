// The list view end to end: the user acts on the view, the test host on the engine thread gets
// the events with the records of the rows concerned and answers as a real host would.
#include "engine/VXPanel.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "tests/modelexplorer/ListViewFixture.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QMimeData>
#include <QScrollBar>
#include <QTest>

#include <tuple>

using testing::ElementsAre;
using vxtest::runOnGuiThread;

namespace {

std::vector<UDInterface*> objectsOf(const SeenListEvent& e)
{
    std::vector<UDInterface*> out;
    for (const SeenRecord& r : e.records)
        out.push_back(r.object);
    return out;
}

using ListViewEndToEnd = ListViewFixture;

TEST_F(ListViewEndToEnd, ClicksSendTheSelectedRowsRecordsAtOnceOrAfterTheDelay)
{
    ASSERT_TRUE(runOnGuiThread([&] {
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cell(1, 1));
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ControlModifier, cell(3, 2));
    }));
    deliver();
    ASSERT_EQ(m_host.count(SSSelectionChangedEvent), 2u);
    EXPECT_THAT(objectsOf(m_host.ofType(SSSelectionChangedEvent)[0]), ElementsAre(handle(2)));
    EXPECT_THAT(
        objectsOf(m_host.ofType(SSSelectionChangedEvent)[1]), ElementsAre(handle(2), handle(4)));

    // With the delay, one event follows the last of several changes.
    ASSERT_TRUE(runOnGuiThread([&] {
        m_view->setUseSelectionDelay(true);
        for (int r = 0; r < 4; ++r)
            QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cell(r, 1));
    }));
    deliver();
    EXPECT_EQ(m_host.count(SSSelectionChangedEvent), 2u) << "still within the delay";
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(SSSelectionChangedEvent) > 2; }));
    QTest::qWait(150);
    deliver();
    const auto events = m_host.ofType(SSSelectionChangedEvent);
    ASSERT_EQ(events.size(), 3u);
    EXPECT_THAT(objectsOf(events[2]), ElementsAre(handle(4)));
}

enum ClickKind { Double, SlowSecond, OnLinkText, PastLinkText };

struct ClickCase {
    const char* name;
    int row, column;
    ClickKind kind;
    bool wholeRow, grouped;
    VXEventType type;
    int object; // 0: no event of the type
    const char* text = nullptr;
};

class ListViewClick : public ListViewFixture, public testing::WithParamInterface<ClickCase> { };

TEST_P(ListViewClick, SendsItsEventOnlyWhereItShould)
{
    const ClickCase& c = GetParam();
    ASSERT_TRUE(runOnGuiThread([&] {
        m_view->setAllowWholeRowDblClick(c.wholeRow);
        if (c.grouped) {
            m_view->setGroupColumn(QStringLiteral("Info.Kind"));
            replaceRows({ row(1), row(2) });
        }
        const QRect r = m_view->visualRect(m_proxy->index(c.row, c.column));
        const QPoint at = c.kind == OnLinkText ? QPoint(r.left() + 6, r.center().y())
            : c.kind == PastLinkText           ? QPoint(r.right() - 2, r.center().y())
                                               : r.center();
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, at);
        if (c.kind == Double)
            QTest::mouseDClick(m_view->viewport(), Qt::LeftButton, {}, at);
        if (c.kind == SlowSecond)
            QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, at, 1000);
    }));
    QTest::qWait(QApplication::doubleClickInterval() + 100);
    if (c.object) {
        ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(c.type) > 0; }));
    }
    deliver();
    if (c.kind == Double) {
        EXPECT_EQ(m_host.count(SSItemsEditRequest), 0u) << "a double click is no slow second click";
    }
    const auto events = m_host.ofType(c.type);
    ASSERT_EQ(events.size(), c.object ? 1u : 0u);
    if (c.object) {
        EXPECT_EQ(events[0].object, handle(std::uintptr_t(c.object)));
        EXPECT_EQ(events[0].records.size(), c.type == SSClickHyperlinkPropEvent ? 0u : 1u);
        if (c.text) {
            EXPECT_EQ(events[0].text, c.text);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, ListViewClick,
    testing::Values(
        ClickCase { "DoubleOnFirstColumn", 2, 0, Double, false, false, SSItemsDblClickedEvent, 3 },
        ClickCase { "DoubleOnOtherColumn", 2, 2, Double, false, false, SSItemsDblClickedEvent, 0 },
        ClickCase { "DoubleWholeRow", 2, 2, Double, true, false, SSItemsDblClickedEvent, 3 },
        ClickCase { "DoubleOnGroupRow", 0, 0, Double, false, true, SSItemsDblClickedEvent, 0 },
        ClickCase { "SlowSecondAsksToEdit", 1, 2, SlowSecond, false, false, SSItemsEditRequest, 2,
            "Info.Kind" },
        ClickCase {
            "OnLinkText", 4, 4, OnLinkText, false, false, SSClickHyperlinkPropEvent, 5, "Link" },
        ClickCase {
            "PastLinkText", 4, 4, PastLinkText, false, false, SSClickHyperlinkPropEvent, 0 }),
    [](const testing::TestParamInfo<ClickCase>& info) { return info.param.name; });

TEST_F(ListViewEndToEnd, PlaceholderRowsAreFetchedOnlyWhenVisible)
{
    const int rows = 400;
    m_host.setAnswer([&](const SeenListEvent& e) {
        if (e.type != SSGetPendingDataEvent)
            return;
        auto* answer = new VXMEObjectDataList;
        for (const SeenRecord& r : e.records) {
            auto* record = makeRecord(std::uintptr_t(1000 + r.index), { u"itemx", u"A" });
            record->owner = r.owner;
            record->index = r.index;
            answer->push_back(record);
        }
        vxtest::runOnGuiThread([&] { m_view->updatePendingData(answer); });
        VXMEObjectData::destroyList(answer);
    });
    int visible = 0;
    ASSERT_TRUE(runOnGuiThread([&] {
        replaceWithIndexRows(handle(7), rows);
        visible = m_view->getPossibleItemCount();
    }));
    ASSERT_GT(visible, 0);
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(SSGetPendingDataEvent) > 0; }));
    auto first = m_host.ofType(SSGetPendingDataEvent);
    ASSERT_EQ(first.size(), 1u) << "one request per batch";
    EXPECT_GT(first[0].records.size(), 0u);
    EXPECT_LE(first[0].records.size(), std::size_t(visible) + 1);
    for (const SeenRecord& r : first[0].records) {
        EXPECT_EQ(r.object, nullptr);
        EXPECT_EQ(r.owner, handle(7));
        EXPECT_LT(r.index, std::uint64_t(visible + 1));
    }
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(m_model->itemForUID(handle(7), 0)->text(1), QStringLiteral("itemx"));
        m_view->verticalScrollBar()->setValue(m_view->verticalScrollBar()->maximum());
        m_view->viewport()->repaint();
    }));
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(SSGetPendingDataEvent) > 1; }));
    const auto second = m_host.ofType(SSGetPendingDataEvent)[1];
    ASSERT_FALSE(second.records.empty());
    for (const SeenRecord& r : second.records)
        EXPECT_GE(r.index, std::uint64_t(rows - visible - 1)) << "only the rows now visible";
    // The rows first loaded are far out of view now: the host may forget them.
    ASSERT_TRUE(vxtest::pumpUntil([&] { return m_host.count(MEClearIndicesEvent) > 0; }));
    const auto cleared = m_host.ofType(MEClearIndicesEvent)[0];
    ASSERT_FALSE(cleared.records.empty());
    EXPECT_EQ(cleared.records[0].owner, handle(7));
    EXPECT_LT(cleared.records[0].index, std::uint64_t(visible + 1));
}

TEST_F(ListViewEndToEnd, LoadAllRequestsEveryRowOnceAndHoldsTheTimer)
{
    ASSERT_TRUE(runOnGuiThread([&] {
        replaceWithIndexRows(handle(8), 50);
        m_view->scrollToLoadAll();
        EXPECT_TRUE(m_view->isListLoading());
    }));
    QTest::qWait(300);
    deliver();
    const auto events = m_host.ofType(SSGetPendingDataEvent);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].records.size(), 50u);
}

// Runs no real drag (it would enter a nested loop); counts the drags instead.
class CountingDragView : public GuiListView {
public:
    using GuiListView::GuiListView;
    int drags = 0;

protected:
    void executeDrag() override { ++drags; }
};

TEST_F(ListViewEndToEnd, DragsAtFourPixelsWhitespaceDropsAskFirstAndInputNamingNothingIsHarmless)
{
    ASSERT_TRUE(runOnGuiThread([&] {
        for (int distance : { 3, 4 }) {
            CountingDragView view(m_model, m_proxy, m_owner);
            view.resize(640, 320);
            view.show();
            int starts = 0;
            QObject::connect(&view, &GuiBaseView::dragStart, &view, [&](bool) { ++starts; });
            const QPoint p = view.visualRect(m_proxy->index(1, 1)).center();
            QTest::mousePress(view.viewport(), Qt::LeftButton, {}, p);
            EXPECT_TRUE(view.isDragArmed());
            for (const QPoint& d : { QPoint(distance, 0), QPoint(0, distance) }) {
                QMouseEvent move(QEvent::MouseMove, p + d, Qt::NoButton, Qt::LeftButton, {});
                QApplication::sendEvent(view.viewport(), &move);
            }
            EXPECT_EQ(view.drags, distance >= 4 ? 1 : 0) << distance;
            EXPECT_EQ(starts, view.drags);
            QTest::mouseRelease(view.viewport(), Qt::LeftButton, {}, p);
            EXPECT_FALSE(view.isDragArmed());
        }
        int queries = 0;
        QObject::connect(m_view, &GuiBaseView::dropQuery, m_view,
            [&](VXMEObjectEventData*, bool, Qt::MouseButtons) { ++queries; });
        QMimeData data;
        data.setData(QLatin1String(GuiBaseView::HandleVectorMimeType), QByteArray());
        const QPoint overRow = cell(0, 1);
        const QPoint below(20, m_view->viewport()->height() - 5);
        auto move = [&](const QPoint& at) {
            QDragMoveEvent e(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
            QApplication::sendEvent(m_view->viewport(), &e);
            return e.isAccepted();
        };
        QDragEnterEvent enter(overRow, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(m_view->viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        EXPECT_FALSE(move(overRow));
        EXPECT_FALSE(move(below)) << "first move over whitespace asks";
        EXPECT_EQ(queries, 1);
        EXPECT_FALSE(move(below)) << "refused until the host answers";
        EXPECT_EQ(queries, 1);
        m_view->setWhitespaceAcceptedActions(GuiBaseView::DropCopy);
        EXPECT_TRUE(move(below));
        EXPECT_FALSE(move(overRow));
        m_view->addList(nullptr, false);
        m_view->updatePendingData(nullptr);
        m_view->updateNodes(nullptr, false);
        m_view->editListNodes(nullptr);
        m_view->doubleClickListViewItem(nullptr);
        OwnedRecords foreign { new VXMEObjectData(handle(4242)), nullptr };
        m_view->updatePendingData(&foreign);
        m_view->updateNodes(&foreign, true);
        m_view->doubleClickListViewItem(&foreign);
        m_view->setStrColWidth(99, QStringLiteral("x"), 3);
        m_view->setMaxCharColWidth(-1, 4);
        m_view->adjustColWidths(std::nan(""));
        m_view->selectListViewIndices(handle(1), { 5, 99999 }, nullptr);
        m_view->clickHyperlink(handle(4242), QStringLiteral("Link"));
        m_view->expandGroup(QStringLiteral("none"));
        m_view->reorderColumns({ QStringLiteral("Nope") });
        EXPECT_EQ(m_view->getListViewCount(), 6);
    }));
    deliver();
    EXPECT_EQ(m_host.count(SSItemsDblClickedEvent), 0u);
    EXPECT_EQ(m_host.count(SSClickHyperlinkPropEvent), 0u);
}

TEST_F(ListViewEndToEnd, SpreadsheetSharesTheViewportWidth)
{
    build(true, 0);
    ASSERT_TRUE(runOnGuiThread([&] {
        m_model->setHeaderInfo(5, "Extra", 10, false, QString());
        // Five columns after the icon column, none boolean, none custom: 200 each.
        m_view->shareOutColumnWidths(1000);
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(m_model->getHeaderWidth(c), 200) << "column " << c;
        // A custom width is kept and comes off what the last column takes.
        m_model->updateHeaderWidth(2, 300, true);
        m_view->shareOutColumnWidths(1000);
        EXPECT_EQ(m_model->getHeaderWidth(2), 300);
        EXPECT_EQ(m_model->getHeaderWidth(3), 200);
        EXPECT_EQ(m_model->getHeaderWidth(5), 1000 - 300 - 3 * 200);
    }));
    build(true, 2);
    ASSERT_TRUE(runOnGuiThread([&] {
        m_model->setHeaderInfo(5, "Extra", 10, false, QString());
        // "Done" is boolean: it takes its title's width and lends the rest to the next column.
        m_view->shareOutColumnWidths(1000);
        const int done = m_view->getStandardColumnWidth(QStringLiteral("Done"));
        EXPECT_EQ(m_model->getHeaderWidth(3), done);
        EXPECT_EQ(m_model->getHeaderWidth(4), 200 - done + 200);
        EXPECT_EQ(m_model->getHeaderWidth(5), 200);
    }));
}

// Also for a list handed over, whose records go as their rows are made. Shorter values never
// shrink a column, and a custom width is left alone.
TEST_F(ListViewEndToEnd, EveryRowSizesColumnsAndFetchedRowsWidenLater)
{
    const int longList = 5000;
    // Rows, where the long value stands (-1: only in the fetched data), handed over.
    const std::tuple<int, int, bool> cases[]
        = { { 3, 2, false }, { longList, 0, false }, { longList, longList / 2 + 7, false },
              { longList, longList - 1, false }, { longList, -1, false }, { 3, 2, true },
              { longList, longList - 1, true }, { longList, -1, true } };
    ASSERT_TRUE(runOnGuiThread([&] {
        const int initial = m_model->getHeaderWidth(1);
        const int wanted
            = m_view->getStandardColumnWidth(QStringLiteral("a considerably longer name"));
        ASSERT_GT(wanted, initial);
        m_model->updateHeaderWidth(2, 30, true);
        for (const auto& [rows, longAt, taken] : cases) {
            SCOPED_TRACE(testing::Message()
                << rows << " rows, long value at " << longAt << (taken ? ", handed over" : ""));
            m_model->updateHeaderWidth(1, initial, false);
            const int alive = CountedRecord::alive;
            OwnedRecords records;
            for (int i = 0; i < rows; ++i)
                records.push_back(makeRecord(std::uintptr_t(i + 1),
                    { i == longAt ? u"a considerably longer name" : u"r",
                        u"a much longer kind than thirty pixels" }));
            if (taken) {
                m_view->replaceListTaking(records, QString(), false);
                EXPECT_TRUE(records.empty());
                EXPECT_EQ(CountedRecord::alive, alive) << "every record handed over is freed";
            } else {
                m_view->replaceList(&records, QString(), false);
            }
            EXPECT_EQ(m_view->getListViewCount(), rows);
            EXPECT_EQ(m_model->getHeaderWidth(1), longAt >= 0 ? wanted : initial);
            EXPECT_EQ(m_view->header()->sectionSize(1), m_model->getHeaderWidth(1));
            EXPECT_EQ(m_model->getHeaderWidth(2), 30) << "custom width";
            OwnedRecords fetched { makeRecord(
                std::uintptr_t(std::max(longAt, 0) + 1), { u"a considerably longer name", u"A" }) };
            m_view->updatePendingData(&fetched);
            EXPECT_EQ(m_model->getHeaderWidth(1), wanted);
            EXPECT_EQ(m_view->header()->sectionSize(1), wanted);
            EXPECT_FALSE(m_model->isCustomHeaderWidth(1));
        }
    }));
}

TEST_F(ListViewEndToEnd, FreezePaneShowsTheFrozenColumnAndKeepsWidthsAndSelectionInStep)
{
    GuiListView* freeze = nullptr;
    ASSERT_TRUE(runOnGuiThread([&] {
        m_view->initFreezePane();
        freeze = m_view->freezeView();
        ASSERT_NE(freeze, nullptr);
        EXPECT_TRUE(m_view->isColumnHidden(0));
        EXPECT_FALSE(freeze->isColumnHidden(0));
        EXPECT_TRUE(freeze->isColumnHidden(1));
        EXPECT_EQ(freeze->selectionModel(), m_view->selectionModel());
        // The user widens the frozen column: stored as custom and mirrored.
        freeze->header()->resizeSection(0, 57);
        EXPECT_EQ(m_model->getHeaderWidth(0), 57);
        EXPECT_TRUE(m_model->isCustomHeaderWidth(0));
        // A programmatic width is not taken for the user's.
        m_model->updateHeaderWidth(1, 90, false);
        m_view->applyColumnWidths();
        EXPECT_FALSE(m_model->isCustomHeaderWidth(1));
        QTest::mouseClick(freeze->viewport(), Qt::LeftButton, {},
            freeze->visualRect(m_proxy->index(2, 0)).center());
        EXPECT_EQ(m_view->selectedItems().size(), 1);
        // Without the pane the column is back here, at the width the user gave it.
        m_view->enableFreezePane(false);
        EXPECT_FALSE(m_view->isColumnHidden(0));
        EXPECT_EQ(m_view->header()->sectionSize(0), 57);
    }));
    deliver();
    const auto events = m_host.ofType(SSSelectionChangedEvent);
    ASSERT_EQ(events.size(), 1u) << "one event for the shared selection";
    EXPECT_THAT(objectsOf(events[0]), ElementsAre(handle(3)));
}

} // namespace
