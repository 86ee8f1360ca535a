// The spreadsheet widget beside a plain QTableView over a QStandardItemModel holding the same
// texts, in the same run: from an empty widget to its first paint. Ours takes the host's path:
// the column names, then the list message that owns its records (made beforehand, untimed),
// handled as the GUI thread handles it, freeing the records included.
#include "RatioReporter.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtStringList2Message.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/modelexplorer/GuiSpreadSheet.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kColumns = 20;
// A property grid's usual kinds of cell: one check box column, one read-only column.
constexpr int kBooleanColumn = 3;
constexpr int kReadOnlyColumn = 5;
const QSize kSheetSize(1200, 700);

UDInterface* handle(std::uintptr_t id)
{
    return reinterpret_cast<UDInterface*>(id * 16);
}

QString propertyName(int column)
{
    return QStringLiteral("Prop%1").arg(column);
}

std::u16string makeValue(int row, int column)
{
    if (column == kBooleanColumn)
        return row % 3 ? u"0" : u"1";
    if (column == 0)
        return u"part" + QString::number(row).toStdU16String();
    return u"v" + QString::number(row * 31 + column * 7).toStdU16String();
}

// Every text of the grid, made once: both sides start from the same UTF-16 strings.
const std::u16string& value(int row, int column)
{
    static std::vector<std::u16string> texts;
    const std::size_t at = std::size_t(row) * kColumns + std::size_t(column);
    while (texts.size() <= at) {
        const int r = int(texts.size() / kColumns);
        for (int c = 0; c < kColumns; ++c)
            texts.push_back(makeValue(r, c));
    }
    return texts[at];
}

VXMEObjectDataList* records(int rows)
{
    auto* list = new VXMEObjectDataList;
    for (int r = 0; r < rows; ++r) {
        auto* record = new VXMEObjectMessageData(handle(std::uintptr_t(r + 1)));
        record->listValues = new VXUStringList;
        record->listAttributes = new VXMEObjectMessageData::AttributeVector;
        record->listAttributes->reserve(kColumns);
        for (int c = 0; c < kColumns; ++c) {
            record->listValues->addElement(value(r, c));
            // Bits: valid, greyed, read-only, hyperlink, boolean.
            record->listAttributes->emplace_back(
                true, false, c == kReadOnlyColumn, false, c == kBooleanColumn);
        }
        record->sortKey = value(r, 0);
        list->push_back(record);
    }
    return list;
}

void releaseRecords(void* pointer)
{
    auto* list = static_cast<VXMEObjectDataList*>(pointer);
    VXMEObjectData::destroyList(list);
}

// Shown and painted by the event loop as a user first sees it, then rendered into an image.
void showAndPaint(QWidget& widget)
{
    widget.show();
    QApplication::processEvents();
    benchmark::DoNotOptimize(widget.grab());
}

// What the sheet shows at kSheetSize: its column widths (the icon column first) and row height.
struct SheetGeometry {
    std::vector<int> widths;
    int rowHeight = 0;
};

SheetGeometry sheetGeometry()
{
    GuiSpreadSheet sheet(nullptr, nullptr);
    sheet.resize(kSheetSize);
    QtStringList2Message columns(nullptr, SSReplacePropertyNamesMsg);
    for (int c = 0; c < kColumns; ++c)
        columns.m_list1 << propertyName(c);
    sheet.vxMessageNotify(SSReplacePropertyNamesMsg, &columns);
    QtHandleNumStrMessage list(nullptr, SSReplaceListMsg);
    VXMEObjectDataList* made = records(1);
    list.m_owned.own(made, &releaseRecords);
    sheet.vxMessageNotify(SSReplaceListMsg, &list);
    sheet.show();
    QApplication::processEvents();
    SheetGeometry geometry;
    QHeaderView* header = sheet.listView()->header();
    for (int c = 0; c < header->count(); ++c)
        geometry.widths.push_back(header->sectionSize(c));
    geometry.rowHeight = sheet.listView()->sizeHintForRow(0);
    return geometry;
}

// A plain table of the same texts, left unsorted (the sheet sorts its rows by their keys; a
// sorted QStandardItemModel of this size takes seconds to destroy). With `sameCells` it shows
// what the sheet shows: the same column widths (the sheet's icon column added to the first),
// row height, no row header and no grid; otherwise Qt's defaults (100-pixel columns, so 12 of
// the 20 on screen, and a row header).
void standardTableFillPaint(benchmark::State& state, bool sameCells)
{
    const int rows = int(state.range(0));
    QStringList headers;
    for (int c = 0; c < kColumns; ++c)
        headers << propertyName(c);
    const SheetGeometry geometry = sameCells ? sheetGeometry() : SheetGeometry();
    value(rows - 1, kColumns - 1); // every text made before the clock starts
    for (auto _ : state) {
        auto model = std::make_unique<QStandardItemModel>(0, kColumns);
        model->setHorizontalHeaderLabels(headers);
        for (int r = 0; r < rows; ++r) {
            QList<QStandardItem*> items;
            items.reserve(kColumns);
            for (int c = 0; c < kColumns; ++c)
                items << new QStandardItem(QString::fromStdU16String(value(r, c)));
            model->appendRow(items);
        }
        auto view = std::make_unique<QTableView>();
        view->setSelectionBehavior(QAbstractItemView::SelectRows);
        view->setModel(model.get());
        if (sameCells && int(geometry.widths.size()) == kColumns + 1) {
            view->verticalHeader()->hide();
            view->setShowGrid(false);
            view->verticalHeader()->setDefaultSectionSize(geometry.rowHeight);
            for (int c = 0; c < kColumns; ++c)
                view->horizontalHeader()->resizeSection(
                    c, geometry.widths[std::size_t(c) + 1] + (c == 0 ? geometry.widths[0] : 0));
        }
        view->resize(kSheetSize);
        showAndPaint(*view);
        state.PauseTiming();
        view.reset();
        model.reset();
        state.ResumeTiming();
    }
}

// The anchor: the same cells on screen.
void BM_StandardTableFillPaint(benchmark::State& state)
{
    standardTableFillPaint(state, true);
}

// Beside it, for reference: Qt's defaults.
void BM_StandardTableDefaultsFillPaint(benchmark::State& state)
{
    standardTableFillPaint(state, false);
}

void BM_SpreadSheetFillPaint(benchmark::State& state)
{
    const int rows = int(state.range(0));
    QStringList names;
    for (int c = 0; c < kColumns; ++c)
        names << propertyName(c);
    for (auto _ : state) {
        state.PauseTiming();
        QtHandleNumStrMessage list(nullptr, SSReplaceListMsg);
        VXMEObjectDataList* made = records(rows);
        list.m_handle = made;
        list.m_owned.own(made, &releaseRecords);
        state.ResumeTiming();

        auto sheet = std::make_unique<GuiSpreadSheet>(nullptr, nullptr);
        sheet->resize(kSheetSize);
        QtStringList2Message columns(nullptr, SSReplacePropertyNamesMsg);
        columns.m_list1 = names;
        sheet->vxMessageNotify(SSReplacePropertyNamesMsg, &columns);
        sheet->vxMessageNotify(SSReplaceListMsg, &list);
        showAndPaint(*sheet);

        state.PauseTiming();
        state.counters["rows"] = sheet->listView()->model()->rowCount();
        sheet.reset();
        state.ResumeTiming();
    }
}

} // namespace

// Registered before main() runs: the anchor lives in the same binary.
static const bool s_anchors = [] {
    vxbench::RatioReporter::setAnchor("BM_SpreadSheetFillPaint", "BM_StandardTableFillPaint");
    return true;
}();

BENCHMARK(BM_StandardTableDefaultsFillPaint)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);
BENCHMARK(BM_StandardTableFillPaint)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_SpreadSheetFillPaint)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(10);
