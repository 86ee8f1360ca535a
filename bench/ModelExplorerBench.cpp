// The explorer's list at scale beside Qt's own models doing the same work in the same run:
// natural ordering of sort keys, filling and sorting, filtering, memory and grouping.
#include "RatioReporter.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "host/HostObjectDataFactory.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/modelexplorer/itemmodels/AutoReset.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/NaturalSortKey.h"

#include <QCollator>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStringList>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <numeric>
#include <random>
#include <unistd.h>

namespace {

constexpr int kColumns = 6;
constexpr int kGroups = 1000;

// Mixed keys: names with numbers, versions, plain numbers, empty keys and the invalid marker.
QStringList mixedKeys(int n)
{
    std::mt19937 random(12345);
    QStringList keys;
    keys.reserve(n);
    for (int i = 0; i < n; ++i) {
        const unsigned r = random();
        switch (r % 10) {
        case 0:
        case 1:
        case 2:
            keys << QStringLiteral("item%1").arg(r % 100000);
            break;
        case 3:
        case 4:
            keys << QStringLiteral("v%1.%2.%3").arg(r % 7).arg((r >> 8) % 20).arg((r >> 16) % 50);
            break;
        case 5:
        case 6:
            keys << QString::number(int(r % 1000000) - 1000);
            break;
        case 7:
            keys << QStringLiteral("%1.%2").arg(r % 1000).arg((r >> 10) % 100);
            break;
        case 8:
            keys << QString();
            break;
        default:
            keys << NaturalSortKey::invalidMarker();
        }
    }
    return keys;
}

const QStringList& keysOf(int n)
{
    static std::map<int, QStringList> cache;
    auto it = cache.find(n);
    if (it == cache.end())
        it = cache.emplace(n, mixedKeys(n)).first;
    return it->second;
}

void BM_NaturalOrder(benchmark::State& state)
{
    const QStringList& keys = keysOf(int(state.range(0)));
    for (auto _ : state) {
        // Read each key once, then rank them.
        std::vector<NaturalSortKey> prepared;
        prepared.reserve(std::size_t(keys.size()));
        for (const QString& k : keys)
            prepared.emplace_back(k);
        std::vector<std::uint32_t> ranks;
        NaturalSortKey::rank(prepared.data(), prepared.size(), Qt::AscendingOrder, ranks);
        benchmark::DoNotOptimize(ranks.data());
    }
}

void BM_CollatorNumericOrder(benchmark::State& state)
{
    const QStringList& keys = keysOf(int(state.range(0)));
    QCollator collator(QLocale(QLocale::English, QLocale::UnitedStates));
    collator.setNumericMode(true);
    for (auto _ : state) {
        QStringList copy = keys;
        std::sort(copy.begin(), copy.end(), collator);
        benchmark::DoNotOptimize(copy.front().constData());
    }
}

void BM_BytewiseOrder(benchmark::State& state)
{
    const QStringList& keys = keysOf(int(state.range(0)));
    for (auto _ : state) {
        QStringList copy = keys;
        std::sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.front().constData());
    }
}

// The host's side of a list: short cell texts per row, the same for both models.
struct Table {
    std::vector<std::array<std::u16string, kColumns>> rows;
};

const Table& tableOf(int n)
{
    static std::map<int, Table> cache;
    auto it = cache.find(n);
    if (it != cache.end())
        return it->second;
    Table t;
    t.rows.resize(std::size_t(n));
    std::mt19937 random(777);
    for (int i = 0; i < n; ++i) {
        const unsigned r = random();
        auto& row = t.rows[std::size_t(i)];
        row[0] = QStringLiteral("item%1").arg(r % 1000003).toStdU16String();
        row[1] = QStringLiteral("v%1.%2").arg(r % 9).arg((r >> 4) % 30).toStdU16String();
        row[2] = QString::number((r >> 3) % 100000).toStdU16String();
        row[3] = QStringLiteral("g%1").arg(i % kGroups, 3, 10, QLatin1Char('0')).toStdU16String();
        row[4] = QStringLiteral("x%1y").arg((r >> 7) % 1000).toStdU16String();
        row[5] = (r & 1) ? u"on" : u"off";
    }
    return cache.emplace(n, std::move(t)).first->second;
}

VXMEObjectMessageData* recordOf(const Table& t, int i)
{
    const auto& row = t.rows[std::size_t(i)];
    auto* record
        = new VXMEObjectMessageData(reinterpret_cast<UDInterface*>(std::uintptr_t(i + 1) * 16));
    record->listValues = new VXUStringList;
    for (const std::u16string& v : row)
        record->listValues->addElement(v);
    record->sortKey = row[0];
    record->groupName = row[3];
    return record;
}

std::unique_ptr<ListModel> newListModel()
{
    auto model = std::make_unique<ListModel>(false);
    model->setIconColumn(false);
    const char* names[kColumns] = { "Name", "Version", "Size", "Group", "Tag", "Enabled" };
    for (int c = 0; c < kColumns; ++c)
        model->setHeaderInfo(c, QLatin1String(names[c]), 80, false, QString());
    return model;
}

void fillList(ListModel& model, const Table& t)
{
    AutoReset reset(&model, true, true);
    for (int i = 0; i < int(t.rows.size()); ++i) {
        VXMEObjectMessageData* record = recordOf(t, i);
        model.addItem(record);
        delete record; // handled: the explorer frees it
    }
}

std::unique_ptr<QStandardItemModel> newStandardModel(const Table& t)
{
    auto model = std::make_unique<QStandardItemModel>(0, kColumns);
    for (const auto& row : t.rows) {
        QList<QStandardItem*> items;
        for (const std::u16string& v : row)
            items << new QStandardItem(QString::fromStdU16String(v));
        model->appendRow(items);
    }
    return model;
}

// Fills a model with `make`, attaches a `Proxy` and sorts by the first column; the model is
// freed outside the timing.
template <class Proxy, class Make> void fillAndSort(benchmark::State& state, Make make)
{
    for (auto _ : state) {
        auto model = make();
        Proxy proxy;
        proxy.setSourceModel(model.get());
        proxy.sort(0, Qt::AscendingOrder);
        benchmark::DoNotOptimize(proxy.index(0, 0).internalPointer());
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

void BM_ListFillSort(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    fillAndSort<ListProxyModel>(state, [&t] {
        std::unique_ptr<ListModel> model = newListModel();
        fillList(*model, t);
        return model;
    });
}

void BM_StandardFillSort(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    fillAndSort<QSortFilterProxyModel>(state, [&t] { return newStandardModel(t); });
}

void BM_ListGroupFill(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    for (auto _ : state) {
        std::unique_ptr<ListModel> model = newListModel();
        model->setGroup(QStringLiteral("Group"));
        fillList(*model, t);
        benchmark::DoNotOptimize(model->rowCount());
        if (model->rowCount() != kGroups)
            state.SkipWithError("wrong number of groups");
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}

// "x12y" style tags: the filter keeps about 1% of the rows.
const QString kFilter = QStringLiteral("x12");

// As the list filter drives the proxy: filtering is on exactly while there is a text.
void applyFilter(ListProxyModel& proxy, const QString& text)
{
    if (text.isEmpty()) {
        proxy.setFilterEnabled(false);
        proxy.filter(text, QString(), Qt::CaseInsensitive);
    } else {
        proxy.filter(text, QString(), Qt::CaseInsensitive);
        proxy.setFilterEnabled(true);
    }
}

// Fills `model` and puts it behind `proxy` with the case mode settled, all untimed.
void prepareFiltering(const Table& t, ListModel& model, ListProxyModel& proxy)
{
    fillList(model, t);
    proxy.setSourceModel(&model);
    proxy.filter(QString(), QString(), Qt::CaseInsensitive);
    proxy.rowCount();
}

void BM_ListFilterSet(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    std::unique_ptr<ListModel> model = newListModel();
    ListProxyModel proxy;
    prepareFiltering(t, *model, proxy);
    for (auto _ : state) {
        applyFilter(proxy, kFilter);
        benchmark::DoNotOptimize(proxy.rowCount());
        state.PauseTiming();
        applyFilter(proxy, QString());
        proxy.rowCount();
        state.ResumeTiming();
    }
    state.counters["shown"] = proxy.rowCount();
}

void BM_ListFilterClear(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    std::unique_ptr<ListModel> model = newListModel();
    ListProxyModel proxy;
    prepareFiltering(t, *model, proxy);
    for (auto _ : state) {
        state.PauseTiming();
        applyFilter(proxy, kFilter);
        state.counters["hidden"] = double(t.rows.size()) - proxy.rowCount();
        state.ResumeTiming();
        applyFilter(proxy, QString());
        benchmark::DoNotOptimize(proxy.rowCount());
    }
}

void BM_StandardFilterSet(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    std::unique_ptr<QStandardItemModel> model = newStandardModel(t);
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(model.get());
    proxy.setFilterKeyColumn(-1);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.rowCount();
    for (auto _ : state) {
        proxy.setFilterFixedString(kFilter);
        benchmark::DoNotOptimize(proxy.rowCount());
        state.PauseTiming();
        proxy.setFilterFixedString(QString());
        proxy.rowCount();
        state.ResumeTiming();
    }
    state.counters["shown"] = proxy.rowCount();
}

void BM_StandardFilterClear(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    std::unique_ptr<QStandardItemModel> model = newStandardModel(t);
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(model.get());
    proxy.setFilterKeyColumn(-1);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    proxy.rowCount();
    for (auto _ : state) {
        state.PauseTiming();
        proxy.setFilterFixedString(kFilter);
        proxy.rowCount();
        state.ResumeTiming();
        proxy.setFilterFixedString(QString());
        benchmark::DoNotOptimize(proxy.rowCount());
    }
}

double residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return double(resident) * double(sysconf(_SC_PAGESIZE));
}

double s_listBytesPerRow = 0;
double s_standardBytesPerRow = 0;

void BM_ListMemory(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    for (auto _ : state) {
        malloc_trim(0);
        const double before = residentBytes();
        std::unique_ptr<ListModel> model = newListModel();
        fillList(*model, t);
        const double grown = residentBytes() - before;
        s_listBytesPerRow = grown / double(t.rows.size());
        state.counters["rss_MB"] = grown / 1e6;
        state.counters["B_per_row"] = s_listBytesPerRow;
        state.PauseTiming();
        model.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

void BM_StandardMemory(benchmark::State& state)
{
    const Table& t = tableOf(int(state.range(0)));
    for (auto _ : state) {
        malloc_trim(0);
        const double before = residentBytes();
        std::unique_ptr<QStandardItemModel> model = newStandardModel(t);
        const double grown = residentBytes() - before;
        s_standardBytesPerRow = grown / double(t.rows.size());
        state.counters["rss_MB"] = grown / 1e6;
        state.counters["B_per_row"] = s_standardBytesPerRow;
        state.PauseTiming();
        model.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
    std::printf(
        "resident memory per row: ListModel %.0f B, QStandardItemModel %.0f B, ratio %.2f\n",
        s_listBytesPerRow, s_standardBytesPerRow,
        s_standardBytesPerRow > 0 ? s_listBytesPerRow / s_standardBytesPerRow : 0.0);
}

const bool kAnchors = [] {
    vxbench::RatioReporter::setAnchor("BM_NaturalOrder", "BM_CollatorNumericOrder");
    vxbench::RatioReporter::setAnchor("BM_NaturalOrderVsBytewise", "BM_BytewiseOrder");
    vxbench::RatioReporter::setAnchor("BM_ListFillSort", "BM_StandardFillSort");
    vxbench::RatioReporter::setAnchor("BM_ListGroupFill", "BM_StandardFillSort");
    vxbench::RatioReporter::setAnchor("BM_ListFilterSet", "BM_StandardFilterSet");
    vxbench::RatioReporter::setAnchor("BM_ListFilterClear", "BM_StandardFilterClear");
    vxbench::RatioReporter::setAnchor("BM_ListMemory", "BM_StandardMemory");
    return true;
}();

} // namespace

BENCHMARK(BM_CollatorNumericOrder)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_BytewiseOrder)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NaturalOrder)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_NaturalOrder)
    ->Name("BM_NaturalOrderVsBytewise")
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_StandardFillSort)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListFillSort)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListGroupFill)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_StandardFilterSet)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListFilterSet)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_StandardFilterClear)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ListFilterClear)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_ListMemory)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StandardMemory)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
