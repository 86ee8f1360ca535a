// Completion per keystroke over 10^5 candidates: the edit field's record-aware completer beside
// QCompleter over a QStringListModel, both matching "contains", case-insensitively, for the same
// keystrokes (a word typed letter by letter, then erased again) in the same run. One iteration
// is the whole word, 23 keystrokes, each counting every match (what the popup's size needs).
#include "RatioReporter.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"
#include "vx_qtgui/modelexplorer/search/GuiCompletionProxyModel.h"

#include <QCompleter>
#include <QStringListModel>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

const char* const kSyllables[] = { "ga", "in", "sum", "sco", "pe", "int", "eg", "ra", "tor", "de",
    "lay", "mux", "con", "st", "ant", "sat", "ur", "ion", "fil", "ter" };

QStringList candidates(int n)
{
    std::mt19937 random(4242);
    QStringList words;
    words.reserve(n);
    for (int i = 0; i < n; ++i) {
        QString word;
        const int parts = 2 + int(random() % 3);
        for (int p = 0; p < parts; ++p)
            word += QLatin1String(kSyllables[random() % 20]);
        words << word + QString::number(i % 997);
    }
    return words;
}

// The prefixes one word typed and erased goes through.
QStringList keystrokes()
{
    const QString word = QStringLiteral("integrator12");
    QStringList typed;
    for (int i = 1; i <= word.size(); ++i)
        typed << word.left(i);
    for (int i = word.size() - 1; i >= 1; --i)
        typed << word.left(i);
    return typed;
}

void BM_QCompleterKeystroke(benchmark::State& state)
{
    QStringListModel model(candidates(int(state.range(0))));
    const QStringList typed = keystrokes();
    int shown = 0;
    for (auto _ : state) {
        // A fresh completer: QCompleter keeps the matches of every prefix it saw.
        state.PauseTiming();
        auto completer = std::make_unique<QCompleter>(&model);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        state.ResumeTiming();
        for (const QString& prefix : typed) {
            completer->setCompletionPrefix(prefix);
            shown = completer->completionCount();
            benchmark::DoNotOptimize(shown);
        }
    }
    state.SetItemsProcessed(state.iterations() * typed.size());
    state.counters["last"] = shown;
}

void BM_GuiCompleterKeystroke(benchmark::State& state)
{
    const QStringList words = candidates(int(state.range(0)));
    GuiEdit edit(nullptr, nullptr);
    edit.enableAutoComplete(true);
    GuiCompleter* completer = edit.recordCompleter();
    completer->setHostMatchOption(1);
    {
        VXMEObjectDataList records;
        for (int i = 0; i < words.size(); ++i) {
            auto* record = new VXMEObjectMessageData(reinterpret_cast<UDInterface*>(16 * (i + 1)));
            record->listValues = new VXUStringList;
            record->listValues->addElement(words[i].toStdU16String());
            records.push_back(record);
        }
        completer->updateModel(&records, QString());
        for (VXMEObjectData* record : records)
            delete record;
    }
    const QStringList typed = keystrokes();
    int shown = 0;
    for (auto _ : state) {
        state.PauseTiming();
        completer->proxyModel()->forgetMatches();
        state.ResumeTiming();
        for (const QString& prefix : typed) {
            completer->setPrefix(prefix);
            completer->proxyModel()->refilter();
            shown = completer->proxyModel()->rowCount();
            benchmark::DoNotOptimize(shown);
        }
    }
    state.SetItemsProcessed(state.iterations() * typed.size());
    state.counters["last"] = shown;
}

const bool kAnchors = [] {
    vxbench::RatioReporter::setAnchor("BM_GuiCompleterKeystroke", "BM_QCompleterKeystroke");
    return true;
}();

} // namespace

BENCHMARK(BM_QCompleterKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GuiCompleterKeystroke)->Arg(100000)->Unit(benchmark::kMillisecond);
