// The explorer's tree replaced whole with its expansion restored, beside a QStandardItemModel
// and QTreeView rebuilt and re-expanded by label path, in the same run. The tree has 101 101
// nodes (a root, 100 branches of 10 twigs of 100 leaves each); 1000 nodes are expanded (the
// root, every branch and 899 twigs), so about 90 000 rows are on show after each replacement.
#include "RatioReporter.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

#include <QApplication>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int kBranches = 100;
constexpr int kTwigs = 10;
constexpr int kLeaves = 100;
constexpr int kExpandedTwigs = 899;

UDInterface* fakeHandle(std::uintptr_t id)
{
    return reinterpret_cast<UDInterface*>(id * 16);
}

QString label(const char* kind, int i)
{
    return QStringLiteral("%1 %2").arg(QLatin1String(kind)).arg(i);
}

VXMEObjectMessageData* node(std::uintptr_t& id, const QString& text)
{
    auto* record = new VXMEObjectMessageData(fakeHandle(++id));
    record->label = text.toStdU16String();
    return record;
}

// The host's records of the whole tree, made once: replacing does not consume them.
VXMEObjectMessageData* hostTree()
{
    std::uintptr_t id = 0;
    VXMEObjectMessageData* root = node(id, QStringLiteral("model"));
    for (int b = 0; b < kBranches; ++b) {
        VXMEObjectMessageData* branch = node(id, label("branch", b));
        for (int t = 0; t < kTwigs; ++t) {
            VXMEObjectMessageData* twig = node(id, label("twig", t));
            for (int l = 0; l < kLeaves; ++l)
                twig->addChild(node(id, label("leaf", l)));
            branch->addChild(twig);
        }
        root->addChild(branch);
    }
    return root;
}

void settle(QWidget* view)
{
    QApplication::processEvents();
    // Forces the delayed row layout if painting did not.
    benchmark::DoNotOptimize(
        static_cast<QAbstractScrollArea*>(view)->verticalScrollBar()->maximum());
}

// The last branch is open; in branch 89 the last expanded twig is 8, twig 9 stays closed.
bool restored(const QTreeView& view, const QAbstractItemModel& model)
{
    const QModelIndex root = model.index(0, 0);
    const QModelIndex branch = model.index(kExpandedTwigs / kTwigs, 0, root);
    return view.isExpanded(model.index(kBranches - 1, 0, root))
        && view.isExpanded(model.index(kTwigs - 2, 0, branch))
        && !view.isExpanded(model.index(kTwigs - 1, 0, branch));
}

void BM_TreeReplaceKeepExpansion(benchmark::State& state)
{
    std::unique_ptr<VXMEObjectMessageData> records(hostTree());
    TreeModel model;
    GuiTreeView view;
    view.setModel(&model);
    view.resize(400, 600);
    view.show();
    view.setRoot(records.get());
    // The user opened every branch and 899 twigs (recorded as keys: opening them one by one in
    // the view would re-measure the column each time).
    int opened = 0;
    const QModelIndex root = model.index(0, 0);
    for (int b = 0; b < kBranches; ++b) {
        const QModelIndex branch = model.index(b, 0, root);
        model.addToExpanded(branch);
        for (int t = 0; t < kTwigs && opened < kExpandedTwigs; ++t, ++opened)
            model.addToExpanded(model.index(t, 0, branch));
    }
    view.setRoot(records.get());
    settle(&view);
    for (auto _ : state) {
        view.setRoot(records.get());
        settle(&view);
    }
    if (model.expandedKeys().size() != 1000 || !restored(view, model))
        state.SkipWithError("expansion was not restored");
    state.counters["nodes"] = 1 + kBranches * (1 + kTwigs * (1 + kLeaves));
}

QStandardItem* standardTree()
{
    auto* root = new QStandardItem(QStringLiteral("model"));
    for (int b = 0; b < kBranches; ++b) {
        auto* branch = new QStandardItem(label("branch", b));
        for (int t = 0; t < kTwigs; ++t) {
            auto* twig = new QStandardItem(label("twig", t));
            QList<QStandardItem*> leaves;
            leaves.reserve(kLeaves);
            for (int l = 0; l < kLeaves; ++l)
                leaves << new QStandardItem(label("leaf", l));
            twig->appendRows(leaves);
            branch->appendRow(twig);
        }
        root->appendRow(branch);
    }
    return root;
}

void collectExpanded(const QTreeView& view, const QStandardItemModel& model,
    const QModelIndex& parent, QStringList& path, std::vector<QStringList>& out)
{
    for (int r = 0; r < model.rowCount(parent); ++r) {
        const QModelIndex child = model.index(r, 0, parent);
        if (!model.hasChildren(child) || !view.isExpanded(child))
            continue;
        path << child.data().toString();
        out.push_back(path);
        collectExpanded(view, model, child, path, out);
        path.removeLast();
    }
}

QModelIndex findPath(const QStandardItemModel& model, const QStringList& path)
{
    QModelIndex at;
    for (const QString& text : path) {
        QModelIndex found;
        for (int r = 0; r < model.rowCount(at) && !found.isValid(); ++r) {
            const QModelIndex child = model.index(r, 0, at);
            if (child.data().toString() == text)
                found = child;
        }
        if (!found.isValid())
            return QModelIndex();
        at = found;
    }
    return at;
}

void BM_StandardRebuildReexpand(benchmark::State& state)
{
    QStandardItemModel model;
    QTreeView view;
    view.setModel(&model);
    view.setHeaderHidden(true);
    view.resize(400, 600);
    view.show();
    model.appendRow(standardTree());
    const QModelIndex root = model.index(0, 0);
    view.expand(root);
    int opened = 0;
    for (int b = 0; b < kBranches; ++b) {
        const QModelIndex branch = model.index(b, 0, root);
        view.expand(branch);
        for (int t = 0; t < kTwigs && opened < kExpandedTwigs; ++t, ++opened)
            view.expand(model.index(t, 0, branch));
    }
    settle(&view);
    for (auto _ : state) {
        std::vector<QStringList> expanded;
        QStringList path;
        collectExpanded(view, model, QModelIndex(), path, expanded);
        model.clear();
        model.appendRow(standardTree());
        for (const QStringList& p : expanded)
            view.expand(findPath(model, p));
        view.setCurrentIndex(model.index(0, 0));
        settle(&view);
    }
    if (!restored(view, model))
        state.SkipWithError("expansion was not restored");
}

const bool kAnchors = [] {
    vxbench::RatioReporter::setAnchor("BM_TreeReplaceKeepExpansion", "BM_StandardRebuildReexpand");
    return true;
}();

} // namespace

BENCHMARK(BM_StandardRebuildReexpand)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_TreeReplaceKeepExpansion)->Unit(benchmark::kMillisecond)->Iterations(5);
