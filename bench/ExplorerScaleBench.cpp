// The explorer's list at a million objects beside a plain Qt program doing the same work
// (QStandardItemModel + QSortFilterProxyModel + QTreeView over the same objects), in one run:
// the first screen, a sort by a property, a filter set and cleared, and resident memory.
#include "RatioReporter.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include <QApplication>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <numeric>
#include <random>
#include <unistd.h>

namespace {

constexpr int kObjects = 1000000;
constexpr int kProperties = 5;
constexpr int kValueColumn = 2;
const QSize kViewSize(800, 600);
const char* const kNames[kProperties] = { "Name", "Type", "Value", "Enabled", "Priority" };
const char* const kTypes[] = { "Gain", "Sum", "Delay", "Scope", "Switch", "Constant" };
// Names hold their type: "Scope" picks about a sixth of the objects.
const QString kFilter = QStringLiteral("Scope");

// The host's objects: one text per property, made once for both programs.
struct Store {
    std::vector<std::array<std::u16string, kProperties>> objects;
};

const Store& store()
{
    static const Store s = [] {
        Store made;
        made.objects.resize(kObjects);
        std::mt19937 random(4242);
        for (int i = 0; i < kObjects; ++i) {
            const unsigned r = random();
            const char* type = kTypes[r % 6];
            auto& o = made.objects[std::size_t(i)];
            o[0] = (QLatin1String(type) + QString::number(i)).toStdU16String();
            o[1] = QString::fromLatin1(type).toStdU16String();
            o[2] = QString::number(double(int(r % 20001) - 10000) / 100.0).toStdU16String();
            o[3] = (r >> 20) & 1 ? u"on" : u"off";
            o[4] = QString::number((r >> 8) % 10).toStdU16String();
        }
        return made;
    }();
    return s;
}

UDInterface* handle(std::uintptr_t id)
{
    return reinterpret_cast<UDInterface*>(id * 16);
}

UDInterface* const kOwner = handle(0x7fffff);

// Keys of seven digits rank as text, as the demo host writes them.
std::u16string rankKey(std::uint32_t rank)
{
    std::u16string key(7, u'0');
    for (int i = 6; i >= 0; --i, rank /= 10)
        key[std::size_t(i)] = char16_t(u'0' + rank % 10);
    return key;
}

VXMEObjectMessageData* fullRecord(int i, std::uint32_t rank)
{
    auto* record = new VXMEObjectMessageData(handle(std::uintptr_t(i) + 1));
    record->listValues = new VXUStringList;
    for (const std::u16string& v : store().objects[std::size_t(i)])
        record->listValues->addElement(v);
    record->sortKey = rankKey(rank);
    record->owner = kOwner;
    record->index = std::uint64_t(i);
    return record;
}

// What the host sends for a long list: placeholders with their rank as the key.
VXMEObjectDataList placeholders(const std::vector<std::uint32_t>& ranks)
{
    VXMEObjectDataList records;
    VXMEObjectData::Bulk bulk;
    for (int i = 0; i < kObjects; ++i) {
        auto* p = new VXMEObjectMessageData(nullptr);
        p->owner = kOwner;
        p->index = std::uint64_t(i);
        p->sortKey = rankKey(ranks.empty() ? std::uint32_t(i) : ranks[std::size_t(i)]);
        records.push_back(p);
    }
    return records;
}

void sendPlaceholders(GuiListView& view, const std::vector<std::uint32_t>& ranks)
{
    VXMEObjectDataList records = placeholders(ranks);
    // As the explorer's message handler does: the records are freed as their rows are made.
    view.replaceListTaking(records, QString(), false);
}

// The host's answer to the rows that came into view; returns how many it sent.
int answerPending(ListModel& model, GuiListView& view, const std::vector<std::uint32_t>& ranks)
{
    QList<ListItem*> pending;
    model.getPendingItems(pending);
    VXMEObjectDataList answer;
    for (ListItem* item : pending) {
        const int i = int(item->uid);
        answer.push_back(fullRecord(i, ranks.empty() ? std::uint32_t(i) : ranks[std::size_t(i)]));
    }
    view.updatePendingData(&answer);
    for (VXMEObjectData* r : answer)
        delete r;
    return int(pending.size());
}

// The host ranks the objects by a property: one sorted array, stable for ties.
std::vector<std::uint32_t> ranksBy(int property)
{
    const Store& s = store();
    std::vector<std::uint32_t> order(kObjects);
    std::iota(order.begin(), order.end(), 0u);
    std::vector<double> values(kObjects);
    for (int i = 0; i < kObjects; ++i)
        values[std::size_t(i)]
            = QString::fromStdU16String(s.objects[std::size_t(i)][std::size_t(property)])
                  .toDouble();
    std::stable_sort(order.begin(), order.end(),
        [&values](std::uint32_t a, std::uint32_t b) { return values[a] < values[b]; });
    std::vector<std::uint32_t> ranks(kObjects);
    for (std::uint32_t r = 0; r < std::uint32_t(kObjects); ++r)
        ranks[order[r]] = r;
    return ranks;
}

struct Explorer {
    ListModel model;
    ListProxyModel proxy;
    std::unique_ptr<GuiListView> view;

    Explorer()
    {
        model.setHeaderInfo(0, QStringLiteral(" "), 20, false, QString());
        for (int c = 0; c < kProperties; ++c)
            model.setHeaderInfo(c + 1, QLatin1String(kNames[c]), 80, false, QString());
        proxy.setSourceModel(&model);
        view = std::make_unique<GuiListView>(&model, &proxy, nullptr);
        view->resize(kViewSize);
    }
    // Paints the screen, lets the host fill the rows it found missing, paints again.
    int firstScreen(const std::vector<std::uint32_t>& ranks)
    {
        benchmark::DoNotOptimize(view->grab());
        const int sent = answerPending(model, *view, ranks);
        benchmark::DoNotOptimize(view->grab());
        return sent;
    }
};

struct Plain {
    QStandardItemModel model;
    QSortFilterProxyModel proxy;
    QTreeView view;

    Plain()
    {
        model.setColumnCount(kProperties + 1);
        for (const auto& o : store().objects) {
            QList<QStandardItem*> items { new QStandardItem };
            for (const std::u16string& v : o)
                items << new QStandardItem(QString::fromStdU16String(v));
            model.appendRow(items);
        }
        proxy.setSourceModel(&model);
        proxy.setFilterKeyColumn(-1);
        proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
        view.setUniformRowHeights(true);
        view.setRootIsDecorated(false);
        view.setModel(&proxy);
        view.resize(kViewSize);
    }
};

void BM_PlainFirstScreen(benchmark::State& state)
{
    store(); // made once, outside the timing, as for the explorer
    for (auto _ : state) {
        auto plain = std::make_unique<Plain>();
        benchmark::DoNotOptimize(plain->view.grab());
        state.PauseTiming();
        plain.reset();
        state.ResumeTiming();
    }
}

void BM_ExplorerFirstScreen(benchmark::State& state)
{
    store();
    for (auto _ : state) {
        auto explorer = std::make_unique<Explorer>();
        sendPlaceholders(*explorer->view, {});
        state.counters["fetched"] = explorer->firstScreen({});
        state.PauseTiming();
        explorer.reset();
        state.ResumeTiming();
    }
}

// Qt's own share of a first screen: the same proxy and tree view over a model that stores nothing
// and answers every call at once. Neither program can open its list in less time than this.
class FloorModel : public QAbstractItemModel {
public:
    QModelIndex index(int row, int column, const QModelIndex& parent) const override
    {
        return parent.isValid() || row < 0 || row >= kObjects ? QModelIndex()
                                                              : createIndex(row, column);
    }
    QModelIndex parent(const QModelIndex&) const override { return QModelIndex(); }
    int rowCount(const QModelIndex& parent) const override
    {
        return parent.isValid() ? 0 : kObjects;
    }
    int columnCount(const QModelIndex&) const override { return kProperties + 1; }
    QVariant data(const QModelIndex& index, int role) const override
    {
        if (role != Qt::DisplayRole || index.column() == 0)
            return QVariant();
        const auto& o = store().objects[std::size_t(index.row())];
        return QString::fromStdU16String(o[std::size_t(index.column() - 1)]);
    }
    Qt::ItemFlags flags(const QModelIndex&) const override
    {
        return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
    }
};

void BM_QtFloorFirstScreen(benchmark::State& state)
{
    store();
    for (auto _ : state) {
        auto model = std::make_unique<FloorModel>();
        auto proxy = std::make_unique<QSortFilterProxyModel>();
        auto view = std::make_unique<QTreeView>();
        proxy->setSourceModel(model.get());
        view->setUniformRowHeights(true);
        view->setRootIsDecorated(false);
        view->setModel(proxy.get());
        view->resize(kViewSize);
        benchmark::DoNotOptimize(view->grab());
        state.PauseTiming();
        view.reset();
        proxy.reset();
        model.reset();
        state.ResumeTiming();
    }
}

// The host's share: its million placeholder records made and freed, with no list to fill.
void BM_HostPlaceholdersOnly(benchmark::State& state)
{
    for (auto _ : state) {
        VXMEObjectDataList records = placeholders({});
        for (VXMEObjectData* r : records)
            delete r;
        benchmark::DoNotOptimize(records.size());
    }
}

// A header click on Value in each: Qt's proxy compares the texts, the explorer's host ranks the
// values and sends the list again with rank keys, and the first screen is filled.
void BM_PlainSort(benchmark::State& state)
{
    Plain plain;
    plain.view.grab();
    for (auto _ : state) {
        plain.proxy.sort(kValueColumn + 1, Qt::AscendingOrder);
        benchmark::DoNotOptimize(plain.view.grab());
        state.PauseTiming();
        plain.proxy.sort(-1);
        state.ResumeTiming();
    }
}

void BM_ExplorerSort(benchmark::State& state)
{
    Explorer explorer;
    sendPlaceholders(*explorer.view, {});
    explorer.firstScreen({});
    explorer.view->enableListSorting(true, QLatin1String(kNames[kValueColumn]), true, false);
    for (auto _ : state) {
        const std::vector<std::uint32_t> ranks = ranksBy(kValueColumn);
        sendPlaceholders(*explorer.view, ranks);
        explorer.firstScreen(ranks);
        state.PauseTiming();
        sendPlaceholders(*explorer.view, {});
        explorer.firstScreen({});
        state.ResumeTiming();
    }
}

// A filter typed and cleared over every column of the million objects, first screen painted.
void BM_PlainFilterClear(benchmark::State& state)
{
    Plain plain;
    plain.view.grab();
    for (auto _ : state) {
        plain.proxy.setFilterFixedString(kFilter);
        benchmark::DoNotOptimize(plain.view.grab());
        state.counters["shown"] = plain.proxy.rowCount();
        plain.proxy.setFilterFixedString(QString());
        benchmark::DoNotOptimize(plain.view.grab());
    }
}

// The explorer filters the values it holds, so every row is loaded first (untimed).
void BM_ExplorerFilterClear(benchmark::State& state)
{
    Explorer explorer;
    {
        VXMEObjectDataList records;
        for (int i = 0; i < kObjects; ++i)
            records.push_back(fullRecord(i, std::uint32_t(i)));
        explorer.view->replaceList(&records, QString(), false);
        for (VXMEObjectData* r : records)
            delete r;
    }
    explorer.view->grab();
    for (auto _ : state) {
        explorer.proxy.filter(kFilter, QString(), Qt::CaseInsensitive);
        explorer.proxy.setFilterEnabled(true);
        benchmark::DoNotOptimize(explorer.view->grab());
        state.counters["shown"] = explorer.proxy.rowCount();
        explorer.proxy.setFilterEnabled(false);
        explorer.proxy.filter(QString(), QString(), Qt::CaseInsensitive);
        benchmark::DoNotOptimize(explorer.view->grab());
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

// Resident growth of the open list with its first screen, in MB; the time is not the figure.
template <class Open> void measureMemory(benchmark::State& state, Open open)
{
    store();
    for (auto _ : state) {
        malloc_trim(0);
        const double before = residentBytes();
        auto shown = open();
        const double grown = residentBytes() - before;
        state.counters["rss_MB"] = grown / 1e6;
        std::printf("resident growth %.1f MB\n", grown / 1e6);
        state.PauseTiming();
        shown.reset();
        malloc_trim(0);
        state.ResumeTiming();
    }
}

void BM_PlainMemory(benchmark::State& state)
{
    measureMemory(state, [] {
        auto plain = std::make_unique<Plain>();
        plain->view.grab();
        return plain;
    });
}

void BM_ExplorerMemory(benchmark::State& state)
{
    measureMemory(state, [] {
        auto explorer = std::make_unique<Explorer>();
        sendPlaceholders(*explorer->view, {});
        explorer->firstScreen({});
        return explorer;
    });
}

const bool kAnchors = [] {
    vxbench::RatioReporter::setAnchor("BM_ExplorerFirstScreen", "BM_PlainFirstScreen");
    vxbench::RatioReporter::setAnchor("BM_QtFloorFirstScreen", "BM_PlainFirstScreen");
    vxbench::RatioReporter::setAnchor("BM_HostPlaceholdersOnly", "BM_PlainFirstScreen");
    vxbench::RatioReporter::setAnchor("BM_ExplorerSort", "BM_PlainSort");
    vxbench::RatioReporter::setAnchor("BM_ExplorerFilterClear", "BM_PlainFilterClear");
    vxbench::RatioReporter::setAnchor("BM_ExplorerMemory", "BM_PlainMemory");
    return true;
}();

} // namespace

BENCHMARK(BM_PlainFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ExplorerFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_QtFloorFirstScreen)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_HostPlaceholdersOnly)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PlainSort)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_ExplorerSort)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PlainFilterClear)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExplorerFilterClear)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PlainMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ExplorerMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
