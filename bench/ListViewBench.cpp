// The explorer's list view beside a plain QTreeView over a QStandardItemModel holding the same
// rows, in the same run: filling and first paint, scrolling page by page through a list whose
// rows are placeholders that the host fills as they come into view, the first screen of a
// million placeholder rows (and the jump to its end), and painting one screen of cells.
#include "RatioReporter.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QImage>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

constexpr int kValues = 5;
const QSize kViewSize(800, 600);
// Scrolling paints every tenth page: the whole list is crossed, each painted page is new.
constexpr int kPageStride = 10;

UDInterface* handle(std::uintptr_t id)
{
    return reinterpret_cast<UDInterface*>(id * 16);
}

std::u16string value(int row, int column)
{
    return u"v" + QString::number(row * 7 + column).toStdU16String();
}

VXMEObjectMessageData* rowRecord(int row)
{
    auto* record = new VXMEObjectMessageData(handle(std::uintptr_t(row + 1)));
    record->listValues = new VXUStringList;
    for (int c = 0; c < kValues; ++c)
        record->listValues->addElement(value(row, c));
    record->sortKey = value(row, 0);
    return record;
}

void setHeaders(ListModel& model)
{
    model.setHeaderInfo(0, " ", 20, false, QString());
    for (int c = 0; c < kValues; ++c)
        model.setHeaderInfo(c + 1, QStringLiteral("Prop%1").arg(c), 80, false, QString());
}

void fillStandard(QStandardItemModel& model, int rows)
{
    model.setColumnCount(kValues + 1);
    for (int r = 0; r < rows; ++r) {
        QList<QStandardItem*> items { new QStandardItem };
        for (int c = 0; c < kValues; ++c)
            items << new QStandardItem(QString::fromStdU16String(value(r, c)));
        model.appendRow(items);
    }
}

// The explorer's list as the dialog list makes it: model, proxy over it, view.
struct ExplorerList {
    ListModel model;
    ListProxyModel proxy;
    std::unique_ptr<GuiListView> view;

    explicit ExplorerList(bool show)
    {
        setHeaders(model);
        proxy.setSourceModel(&model);
        view = std::make_unique<GuiListView>(&model, &proxy, nullptr);
        view->resize(kViewSize);
        if (show)
            view->show();
    }
};

VXMEObjectDataList placeholderList(int rows)
{
    VXMEObjectDataList placeholders;
    for (int r = 0; r < rows; ++r) {
        auto* p = new VXMEObjectData(nullptr);
        p->owner = handle(1);
        p->index = std::uint64_t(r);
        placeholders.push_back(p);
    }
    return placeholders;
}

void deleteRecords(VXMEObjectDataList& records)
{
    for (VXMEObjectData* r : records)
        delete r;
    records.clear();
}

// The host's part, played inline: every row the view found missing gets its record (what the
// view's request would carry); with `requestPass` the view's request timer runs too, which
// also lets rows far from view go. Returns how many rows were answered.
int answerPending(ListModel& model, GuiListView& view, bool requestPass)
{
    QList<ListItem*> pending;
    model.getPendingItems(pending);
    VXMEObjectDataList answer;
    for (ListItem* item : pending) {
        if (item->requested || !model.needsToBeFetched(item))
            continue;
        item->requested = true;
        VXMEObjectMessageData* record = rowRecord(int(item->uid));
        record->owner = item->uidOwner;
        record->index = item->uid;
        answer.push_back(record);
    }
    view.updatePendingData(&answer);
    const int answered = int(answer.size());
    deleteRecords(answer);
    if (requestPass)
        view.slotGetPendingData();
    return answered;
}

void BM_StandardTreeFillPaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        QStandardItemModel model;
        fillStandard(model, rows);
        QTreeView view;
        view.setUniformRowHeights(true);
        view.setRootIsDecorated(false);
        view.setModel(&model);
        view.resize(kViewSize);
        benchmark::DoNotOptimize(view.grab());
        state.PauseTiming();
        view.setModel(nullptr);
        state.ResumeTiming();
    }
}

void BM_ListViewFillPaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        VXMEObjectDataList records;
        for (int r = 0; r < rows; ++r)
            records.push_back(rowRecord(r));
        state.ResumeTiming();
        ExplorerList list(false);
        list.view->replaceList(&records, QString(), false);
        benchmark::DoNotOptimize(list.view->grab());
        state.PauseTiming();
        deleteRecords(records);
        state.ResumeTiming();
    }
}

// Paints the viewport as it shows now (render paints also what the offscreen platform has
// not exposed).
void paintViewport(QAbstractItemView& view, QImage& target)
{
    view.viewport()->render(&target);
}

// Rows per page, the same for both views (the scroll bar's own page step is only set once the
// event loop has laid the view out).
int pageOf(QTreeView& view)
{
    QApplication::processEvents();
    return std::max(1, view.viewport()->height() / std::max(1, view.sizeHintForRow(0)));
}

// Every tenth page from top to bottom, each painted.
int scrollThrough(QTreeView& view)
{
    QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    QScrollBar* bar = view.verticalScrollBar();
    const int page = pageOf(view);
    int pages = 0;
    for (int at = 0; at <= bar->maximum(); at += kPageStride * page) {
        bar->setValue(at);
        paintViewport(view, target);
        ++pages;
    }
    return pages;
}

void BM_StandardTreeScroll(benchmark::State& state)
{
    QStandardItemModel model;
    fillStandard(model, int(state.range(0)));
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setRootIsDecorated(false);
    view.setModel(&model);
    view.resize(kViewSize);
    view.show();
    for (auto _ : state) {
        view.verticalScrollBar()->setValue(0);
        const int pages = scrollThrough(view);
        state.counters["pages"] = pages;
    }
}

// The host's part is played inline: after each paint the rows the view found missing get
// their records, as the host would send them back, and the page is painted again with them.
void BM_ListViewScrollLazy(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        ExplorerList list(true);
        GuiListView& view = *list.view;
        VXMEObjectDataList placeholders = placeholderList(rows);
        view.replaceList(&placeholders, QString(), false);
        deleteRecords(placeholders);
        state.ResumeTiming();
        QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        QScrollBar* bar = view.verticalScrollBar();
        const int page = pageOf(view);
        int fetched = 0;
        int pages = 0;
        for (int at = 0; at <= bar->maximum(); at += kPageStride * page, ++pages) {
            bar->setValue(at);
            paintViewport(view, target);
            fetched += answerPending(list.model, view, false);
            paintViewport(view, target);
        }
        state.counters["fetched"] = fetched;
        state.counters["pages"] = pages;
    }
}

// The anchor of the million-row list: all rows filled and shown, first screen painted.
void BM_StandardTreeFillShow(benchmark::State& state)
{
    const int rows = int(state.range(0));
    for (auto _ : state) {
        auto model = std::make_unique<QStandardItemModel>();
        fillStandard(*model, rows);
        QTreeView view;
        view.setUniformRowHeights(true);
        view.setRootIsDecorated(false);
        view.resize(kViewSize);
        view.show();
        view.setModel(model.get());
        QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        paintViewport(view, target);
        state.PauseTiming();
        view.setModel(nullptr);
        model.reset();
        state.ResumeTiming();
    }
}

// From the list message (placeholder rows, made beforehand) to the first screen painted with
// the host's data: paint, the request for the rows seen missing, their answer, paint again.
// Then the jump to the end, the same way. Counters: rows that fit the viewport, rows asked for
// the first screen and rows asked for more after the jump.
void BM_ListViewLazyFirstScreen(benchmark::State& state)
{
    const int rows = int(state.range(0));
    int visible = 0;
    int first = 0;
    int atEnd = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // Made and torn down untimed, the million rows with them.
        auto list = std::make_unique<ExplorerList>(true);
        GuiListView& view = *list->view;
        QApplication::processEvents();
        VXMEObjectDataList placeholders = placeholderList(rows);
        QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
        state.ResumeTiming();

        view.replaceList(&placeholders, QString(), false);
        paintViewport(view, target);
        first = answerPending(list->model, view, true);
        paintViewport(view, target);

        state.PauseTiming();
        visible = view.getPossibleItemCount();
        view.scrollToBottom();
        paintViewport(view, target);
        atEnd = answerPending(list->model, view, true);
        paintViewport(view, target);
        deleteRecords(placeholders);
        list.reset();
        state.ResumeTiming();
    }
    state.counters["visible"] = visible;
    state.counters["asked_first"] = first;
    state.counters["asked_end"] = atEnd;
}

// Painting one full screen of six columns, nothing fetched or laid out: the list's own
// delegate against QStyledItemDelegate, the same rows, column widths and viewport.
constexpr int kPaintRows = 2000;

void BM_StandardDelegatePaint(benchmark::State& state)
{
    QStandardItemModel model;
    fillStandard(model, kPaintRows);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setRootIsDecorated(false);
    view.setModel(&model);
    view.resize(kViewSize);
    view.show();
    // The list's widths for the same values (its icon column, then the standard widths).
    {
        ListModel listModel;
        setHeaders(listModel);
        ListProxyModel proxy;
        proxy.setSourceModel(&listModel);
        GuiListView list(&listModel, &proxy, nullptr);
        VXMEObjectDataList records;
        for (int r = 0; r < kPaintRows; ++r)
            records.push_back(rowRecord(r));
        list.replaceList(&records, QString(), false);
        for (int c = 0; c <= kValues; ++c)
            view.header()->resizeSection(c, list.header()->sectionSize(c));
        for (VXMEObjectData* r : records)
            delete r;
    }
    QApplication::processEvents();
    QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paintViewport(view, target);
    state.counters["rows"] = view.viewport()->height() / std::max(1, view.sizeHintForRow(0));
}

void BM_ListViewDelegatePaint(benchmark::State& state)
{
    ExplorerList list(true);
    GuiListView& view = *list.view;
    VXMEObjectDataList records;
    for (int r = 0; r < kPaintRows; ++r)
        records.push_back(rowRecord(r));
    view.replaceList(&records, QString(), false);
    deleteRecords(records);
    QApplication::processEvents();
    QImage target(view.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
        paintViewport(view, target);
    state.counters["rows"] = view.getPossibleItemCount();
}

} // namespace

// Registered before main() runs: the anchors live in the same binary.
static const bool s_anchors = [] {
    vxbench::RatioReporter::setAnchor("BM_ListViewFillPaint", "BM_StandardTreeFillPaint");
    vxbench::RatioReporter::setAnchor("BM_ListViewScrollLazy", "BM_StandardTreeScroll");
    vxbench::RatioReporter::setAnchor("BM_ListViewLazyFirstScreen", "BM_StandardTreeFillShow");
    vxbench::RatioReporter::setAnchor("BM_ListViewDelegatePaint", "BM_StandardDelegatePaint");
    return true;
}();

BENCHMARK(BM_StandardTreeFillPaint)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListViewFillPaint)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StandardTreeScroll)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ListViewScrollLazy)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_StandardTreeFillShow)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ListViewLazyFirstScreen)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_StandardDelegatePaint)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ListViewDelegatePaint)->Unit(benchmark::kMicrosecond);
