// The tree panel as the host and a user drive it: replacements that keep expansion and scroll,
// children asked for, selection reports, check boxes, clicks, drops and the accordion of panes.
#include "vx_qtgui/modelexplorer/GuiTreePanel.h"

#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "host/HostObjectDataFactory.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ModelTester.h"
#include "tests/modelexplorer/TreeTestRecords.h"
#include "tests/support/QStringPrinter.h"
#include "vx_qtgui/GuiAccordion.h"
#include "vx_qtgui/GuiAccordionComponent.h"
#include "vx_qtgui/modelexplorer/GuiTreeAccordion.h"
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiTreeView.h"

#include <QApplication>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <tuple>

#include <gtest/gtest.h>

Q_DECLARE_METATYPE(VXMEObjectEventData*)
Q_DECLARE_METATYPE(ListItem*)

namespace {

using Records = std::vector<std::unique_ptr<VXMEObjectEventData>>;

// Takes the records a spy caught (the receiver owns them) and returns their objects' ids.
std::vector<std::uintptr_t> takeIds(QSignalSpy& spy, Records* keep = nullptr)
{
    std::vector<std::uintptr_t> ids;
    for (const QList<QVariant>& call : spy) {
        auto* record = call.at(0).value<VXMEObjectEventData*>();
        ids.push_back(record ? reinterpret_cast<std::uintptr_t>(record->object) / 16 : 0);
        if (keep)
            keep->emplace_back(record);
        else
            delete record;
    }
    spy.clear();
    return ids;
}

class GuiTreeViewTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qRegisterMetaType<VXMEObjectEventData*>();
        qRegisterMetaType<ListItem*>();
        qRegisterMetaType<Qt::MouseButtons>();
        VXHost::installObjectDataFactory();
    }
    void SetUp() override
    {
        panel = std::make_unique<GuiTreePanel>(nullptr);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        panel->setFont(font);
        panel->resize(260, 320);
        panel->show();
        view = panel->view();
        model = panel->model();
        tester = vxtest::watchModel(model);
        view->setUseSelectionDelay(false);
    }

    void setRoot(VXMEObjectMessageData* record)
    {
        panel->setRoot(record);
        delete record;
    }
    void replace(VXMEObjectMessageData* record, bool request = false)
    {
        panel->replaceSubtree(record, request);
        delete record;
    }
    QModelIndex at(std::uintptr_t id) const { return model->indexFromItem(handle(id)); }
    QPoint centre(std::uintptr_t id) const { return view->visualRect(at(id)).center(); }

    RecordsFreed freed;
    std::unique_ptr<GuiTreePanel> panel;
    GuiTreeView* view = nullptr;
    TreeModel* model = nullptr;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(GuiTreeViewTest, RootIsExpandedAndSelectedAndExpansionSurvivesReplacement)
{
    QSignalSpy selection(view, &GuiTreeView::treeSelectionChanged);
    setRoot(sampleTree());
    EXPECT_TRUE(view->isExpanded(at(1)));
    EXPECT_EQ(view->getCurrentSelection(), model->itemForObject(handle(1)));
    EXPECT_EQ(takeIds(selection), (std::vector<std::uintptr_t> { 1 }));

    // The user opens body and door, then the host replaces the whole tree.
    QSignalSpy expanded(view, &GuiTreeView::treeExpanded);
    view->expand(at(3));
    view->expand(at(7));
    EXPECT_EQ(takeIds(expanded), (std::vector<std::uintptr_t> { 3, 7 }));
    setRoot(treeNode(1, u"car",
        { treeNode(3, u"body*", { treeNode(7, u"door", { treeNode(8, u"hinge") }) }),
            treeNode(2, u"engine", { treeNode(5, u"piston") }) }));
    EXPECT_TRUE(view->isExpanded(at(3)));
    EXPECT_TRUE(view->isExpanded(at(7)));
    EXPECT_FALSE(view->isExpanded(at(2)));
    EXPECT_EQ(expanded.count(), 0) << "restoring expansion asks the host nothing";
    EXPECT_EQ(takeIds(selection), (std::vector<std::uintptr_t> {}))
        << "the same root selected again is no news";

    std::vector<std::u16string> text;
    panel->fillVectorWithTreeViewText(&text);
    EXPECT_EQ(
        text, (std::vector<std::u16string> { u"car", u"body*", u"door", u"hinge", u"engine" }));
    std::vector<UDInterface*> nodes;
    panel->fillVectorWithVisibleTreeNodes(&nodes, handle(3));
    EXPECT_EQ(nodes, (std::vector<UDInterface*> { handle(7), handle(8) }));
}

TEST_F(GuiTreeViewTest, ExpandingANodeTheHostHasNotFilledAsksOnce)
{
    // The engine comes with a placeholder child until the host fills it.
    setRoot(treeNode(
        1, u"car", { treeNode(2, u"engine", { treeNode(90, u"...") }), treeNode(4, u"wheel") }));
    QSignalSpy expanded(view, &GuiTreeView::treeExpanded);
    QSignalSpy requests(view, &GuiTreeView::subtreeReplaceRequested);
    view->expand(at(2));
    Records records;
    ASSERT_EQ(takeIds(expanded, &records), (std::vector<std::uintptr_t> { 2 }));
    // The record names the node and its ancestors up to the root.
    ASSERT_NE(records[0]->parent, nullptr);
    EXPECT_EQ(records[0]->parent->object, handle(1));
    EXPECT_EQ(records[0]->parent->parent, nullptr);

    replace(treeNode(2, u"engine", { treeNode(5, u"piston"), treeNode(6, u"valve") }));
    EXPECT_TRUE(view->isExpanded(at(2)));
    EXPECT_EQ(model->rowCount(at(2)), 2);
    EXPECT_EQ(expanded.count(), 0);
    EXPECT_EQ(requests.count(), 0);

    QSignalSpy collapsed(view, &GuiTreeView::treeCollapsed);
    view->collapse(at(2));
    EXPECT_EQ(takeIds(collapsed), (std::vector<std::uintptr_t> { 2 }));
    EXPECT_FALSE(model->isItemExpanded(at(2)));
}

TEST_F(GuiTreeViewTest, KeptExpansionKeysExpandSubtreesAndLeftOutChildrenAreAskedFor)
{
    setRoot(sampleTree());
    ASSERT_FALSE(view->isExpanded(at(3)));
    model->setExpanded(TreeModel::expansionKey("body", handle(3)), true);
    QSignalSpy expanded(view, &GuiTreeView::treeExpanded);
    replace(treeNode(3, u"body", { treeNode(7, u"door"), treeNode(9, u"roof") }));
    EXPECT_TRUE(view->isExpanded(at(3)));
    EXPECT_EQ(expanded.count(), 0) << "the host sent these children itself";
    // A node the view shows expanded joins the set when its subtree is replaced.
    view->expand(at(2));
    model->setExpanded(TreeModel::expansionKey("engine", handle(2)), false);
    replace(treeNode(2, u"engine", { treeNode(5, u"piston") }));
    EXPECT_TRUE(model->isItemExpanded(at(2)));
    takeIds(expanded);

    // The wheel has no children; after a reset that does not come through setRoot its kept key
    // asks the host for them, once.
    model->setExpanded(TreeModel::expansionKey("wheel", handle(4)), true);
    model->beginReset();
    model->endReset();
    EXPECT_EQ(takeIds(expanded), (std::vector<std::uintptr_t> { 4 }));

    // Children the view shows but the host left out are asked for once, on request only.
    QSignalSpy requests(view, &GuiTreeView::subtreeReplaceRequested);
    replace(treeNode(
                1, u"car", { treeNode(2, u"engine"), treeNode(3, u"body"), treeNode(4, u"wheel") }),
        true);
    EXPECT_EQ(takeIds(requests), (std::vector<std::uintptr_t> { 2, 3 }));
    replace(treeNode(1, u"car", { treeNode(2, u"engine") }), false);
    replace(treeNode(99, u"stranger", { treeNode(2, u"engine") }), true);
    EXPECT_EQ(requests.count(), 0) << "nothing asked without a request or for a stranger";
    EXPECT_EQ(treeText(*model), "car(engine(piston))");
}

TEST_F(GuiTreeViewTest, ReplacingASubtreeKeepsTheScrollPositionAndSelection)
{
    auto* root = treeNode(1, u"root");
    for (std::uintptr_t i = 0; i < 200; ++i)
        root->addChild(treeNode(100 + i, u"node", { treeNode(1000 + i, u"leaf") }));
    setRoot(root);
    QApplication::processEvents();
    QScrollBar* bar = view->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 100);
    view->setCurrentIndex(at(150));
    bar->setValue(bar->maximum() / 2);
    const int before = bar->value();
    QSignalSpy selection(view, &GuiTreeView::treeSelectionChanged);
    takeIds(selection);

    // A visible node gets new children, then the whole top level comes again in another order.
    replace(treeNode(150, u"node", { treeNode(2000, u"a"), treeNode(2001, u"b") }));
    EXPECT_EQ(bar->value(), before);
    auto* again = treeNode(1, u"root");
    for (std::uintptr_t i = 0; i < 200; ++i)
        again->addChild(treeNode(100 + i, u"node"));
    replace(again);
    QApplication::processEvents();
    EXPECT_EQ(bar->value(), before);
    EXPECT_EQ(view->getCurrentSelection(), model->itemForObject(handle(150)));
    EXPECT_EQ(model->rowCount(at(150)), 2) << "children not sent are kept";
    EXPECT_EQ(selection.count(), 0);
}

TEST_F(GuiTreeViewTest, SelectionReportsRemovalNeighboursDelayAndLoadCancel)
{
    setRoot(sampleTree());
    view->setCurrentIndex(at(3));
    QSignalSpy selection(view, &GuiTreeView::treeSelectionChanged);
    SCOPED_TRACE("removing the selected node selects a neighbour and reports it");
    const std::vector<UDInterface*> gone { handle(3), handle(99) };
    panel->removeSubtrees(&gone);
    EXPECT_EQ(view->getCurrentSelection(), model->itemForObject(handle(4)));
    EXPECT_EQ(takeIds(selection), (std::vector<std::uintptr_t> { 4 }));
    EXPECT_TRUE(panel->removeSubtree(handle(4)));
    EXPECT_EQ(view->getCurrentSelection(), model->itemForObject(handle(2)));
    EXPECT_EQ(takeIds(selection), (std::vector<std::uintptr_t> { 2 }));
    const std::vector<UDInterface*> none;
    panel->removeSubtrees(&none);
    panel->removeSubtrees(nullptr);
    EXPECT_EQ(selection.count(), 0);

    SCOPED_TRACE("another node chosen while the host loads sets its cancel flag");
    bool cancel = false;
    view->setLoadFlags(&cancel);
    EXPECT_TRUE(view->isLoading());
    view->setCurrentIndex(at(1));
    EXPECT_TRUE(cancel);
    cancel = false;
    view->clearLoadFlags();
    view->setCurrentIndex(at(2));
    EXPECT_FALSE(cancel);
    view->cancelLoading();
    EXPECT_FALSE(cancel) << "no load is running";
    view->setLoadFlags(&cancel);
    view->cancelLoading();
    EXPECT_TRUE(cancel);
    view->clearLoadFlags();
    takeIds(selection);

    SCOPED_TRACE("two selections within the delay report only the second");
    view->setUseSelectionDelay(true);
    view->setCurrentIndex(at(1));
    view->setCurrentIndex(at(5));
    EXPECT_EQ(selection.count(), 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return selection.count() > 0; }, 2000));
    EXPECT_EQ(takeIds(selection), (std::vector<std::uintptr_t> { 5 }));
}

TEST_F(GuiTreeViewTest, CheckBoxClicksAskTheHostAndDisabledOnesStaySilent)
{
    using B = TreeModel::NodeBit;
    setRoot(treeNode(1, u"root",
        { withAttribute(treeNode(2, u"on"), B::CheckBoxBit, u"checked"),
            withAttribute(treeNode(3, u"off"), B::CheckBoxBit, u"unchecked"),
            withAttribute(treeNode(4, u"locked"), B::CheckBoxBit | B::DisabledBit, u"partial") }));
    QSignalSpy toggles(view, &GuiBaseView::checkboxStateChanged);
    for (std::uintptr_t id : { 2, 3, 4 }) {
        const QRect box = view->checkBoxRect(at(id));
        ASSERT_TRUE(box.isValid()) << id;
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, box.center());
    }
    ASSERT_EQ(toggles.count(), 2);
    EXPECT_EQ(toggles.at(0).at(0).value<ListItem*>(), model->itemForObject(handle(2)));
    EXPECT_FALSE(toggles.at(0).at(1).toBool());
    EXPECT_TRUE(toggles.at(1).at(1).toBool());
    EXPECT_EQ(panel->getCheckState(handle(2)), "CHECKED") << "the node waits for the host";
    // The space key toggles the current node's box the same way.
    view->setFocus();
    view->setCurrentIndex(at(3));
    QTest::keyClick(view, Qt::Key_Space);
    view->setCurrentIndex(at(4));
    QTest::keyClick(view, Qt::Key_Space);
    ASSERT_EQ(toggles.count(), 3);
    EXPECT_EQ(toggles.at(2).at(0).value<ListItem*>(), model->itemForObject(handle(3)));
    EXPECT_TRUE(toggles.at(2).at(1).toBool());

    // A label update without tree attributes keeps the check state.
    OwnedRecords update { treeNode(2, u"renamed") };
    panel->updateNodes(&update);
    EXPECT_EQ(at(2).data().toString(), "renamed");
    EXPECT_EQ(panel->getCheckState(handle(2)), "CHECKED");
}

TEST_F(GuiTreeViewTest, ClicksReachTheWindowDragsExpandNodesAndDropsFollowTheHostsAnswer)
{
    setRoot(sampleTree());
    QSignalSpy doubles(view, &GuiTreeView::treeItemDoubleClicked);
    QSignalSpy rights(view, &GuiTreeView::rightButtonClicked);
    QSignalSpy dialog(view, &GuiBaseView::dialogUpdate);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre(4));
    EXPECT_EQ(dialog.count(), 0) << "the first press selects";
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre(4));
    ASSERT_EQ(dialog.count(), 1) << "a press on the selected node refreshes the dialog";
    EXPECT_EQ(dialog.at(0).at(0).value<ListItem*>(), model->itemForObject(handle(4)));
    // A widget double click is the second press of a click.
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, centre(4));
    ASSERT_EQ(doubles.count(), 1);
    EXPECT_EQ(doubles.at(0).at(0).value<ListItem*>(), model->itemForObject(handle(4)));
    EXPECT_TRUE(model->isItemExpanded(at(4)));

    for (const QPoint& p : { centre(3), QPoint(10, view->viewport()->height() - 3) }) {
        QContextMenuEvent menu(QContextMenuEvent::Mouse, p, view->viewport()->mapToGlobal(p));
        QApplication::sendEvent(view->viewport(), &menu);
    }
    ASSERT_EQ(rights.count(), 2);
    EXPECT_EQ(rights.at(0).at(3).value<QModelIndex>(), at(3));
    EXPECT_FALSE(rights.at(0).at(2).toBool());
    EXPECT_TRUE(rights.at(1).at(2).toBool());

    ASSERT_FALSE(view->isExpanded(at(3)));
    QSignalSpy expanded(view, &GuiTreeView::treeExpanded);
    QSignalSpy queries(view, &GuiBaseView::dropQuery);
    // The opaque handle cannot travel in a variant: the spy sees the other arguments.
    QSignalSpy drops(view, SIGNAL(drop(UDInterface*, bool, int, int)));
    QMimeData data;
    data.setData(QLatin1String(GuiBaseView::HandleVectorMimeType), QByteArray());
    // Sends a drag event to the viewport; the action it was accepted with, else none.
    auto send = [&](auto event) {
        QApplication::sendEvent(view->viewport(), &event);
        return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
    };
    const Qt::DropActions both = Qt::CopyAction | Qt::MoveAction;
    // Hovering over a collapsed node expands it quietly.
    send(QDragEnterEvent(centre(3), Qt::MoveAction, &data, Qt::LeftButton, {}));
    send(QDragMoveEvent(centre(3), Qt::MoveAction, &data, Qt::LeftButton, {}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return view->isExpanded(at(3)); }, 2000));
    EXPECT_EQ(expanded.count(), 0);
    EXPECT_EQ(takeIds(queries), (std::vector<std::uintptr_t> { 3 }));
    QDragLeaveEvent leave;
    QApplication::sendEvent(view->viewport(), &leave);
    takeIds(queries);

    const QPoint target = centre(4);
    ASSERT_NE(send(QDragEnterEvent(target, both, &data, Qt::LeftButton, {})), Qt::IgnoreAction);
    const QDragMoveEvent move(target, both, &data, Qt::LeftButton, {});
    EXPECT_EQ(send(move), Qt::IgnoreAction) << "the host has not answered yet";
    EXPECT_EQ(takeIds(queries), (std::vector<std::uintptr_t> { 4 }));
    EXPECT_EQ(send(move), Qt::IgnoreAction);
    EXPECT_EQ(queries.count(), 0) << "asked once while the answer is pending";

    VXMEObjectMessageData answer(handle(4));
    ASSERT_TRUE(panel->setAcceptedActions(&answer, GuiBaseView::DropCopy));
    EXPECT_EQ(send(move), Qt::CopyAction);

    send(QDropEvent(target, both, &data, Qt::LeftButton, {}));
    ASSERT_EQ(drops.count(), 1);
    EXPECT_EQ(drops.at(0).at(2).toInt(), view->viewport()->mapToGlobal(target).x());
    EXPECT_EQ(drops.at(0).at(3).toInt(), view->viewport()->mapToGlobal(target).y());

    view->setDropCancel();
    EXPECT_EQ(model->itemForObject(handle(4))->dropStatus, 0);
}

TEST_F(GuiTreeViewTest, HostileCallsAreHarmless)
{
    panel->replaceSubtree(nullptr, true);
    panel->updateNodes(nullptr);
    EXPECT_FALSE(panel->selectTreeItem(handle(1), false, false));
    setRoot(sampleTree());
    EXPECT_FALSE(panel->selectTreeItem(handle(99), false, false));
    EXPECT_FALSE(panel->expandTreeItem(handle(99)));
    EXPECT_FALSE(panel->expandTreeItem(QModelIndex()));
    EXPECT_FALSE(panel->collapseTreeItem(nullptr));
    EXPECT_FALSE(panel->mouseSelectTreeViewNode(handle(99)));
    EXPECT_FALSE(panel->removeSubtree(handle(99)));
    EXPECT_FALSE(panel->repaintNode(handle(99), Qt::yellow));
    EXPECT_FALSE(panel->setAcceptedActions(nullptr, 1));
    panel->addAction(nullptr);
    replace(treeNode(99, u"stranger", { treeNode(1, u"car") }));
    EXPECT_EQ(treeText(*model), "car(engine(piston valve) body(door(hinge)) wheel)");
    EXPECT_TRUE(panel->selectTreeItem(handle(8), false, false));
    EXPECT_TRUE(view->isExpanded(at(7)));
    EXPECT_EQ(view->getCurrentSelection(), model->itemForObject(handle(8)));
    EXPECT_TRUE(panel->mouseSelectTreeViewNode(handle(5)));
    EXPECT_EQ(view->getCurrentSelection(), model->itemForObject(handle(5)));
    view->setFocus();
    view->hide();
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->currentIndex(), at(5)) << "a hidden tree swallows keys";
    view->show();
    QTest::keyClick(view, Qt::Key_Down);
    EXPECT_EQ(view->currentIndex(), at(6));
}

TEST_F(GuiTreeViewTest, ScreenshotWithCheckBoxesHighlightsAndReadOnlyPictures)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A blue block, with a yellow padlock body for read-only nodes.
    auto picture = [&](const char* name, bool lock) {
        QPixmap pixmap(16, 16);
        pixmap.fill(QColor(70, 120, 200));
        if (lock)
            QPainter(&pixmap).fillRect(QRect(8, 9, 6, 5), QColor(250, 210, 60));
        const QString path = dir.filePath(QLatin1String(name));
        pixmap.save(path);
        return path.toStdU16String();
    };
    const std::u16string block = picture("block.png", false);
    const std::u16string locked = picture("locked.png", true);
    auto icon = [](VXMEObjectMessageData* r, const std::u16string& path, bool readOnly) {
        r->iconPath = path;
        r->itemFlag = readOnly;
        return r;
    };
    using B = TreeModel::NodeBit;
    setRoot(icon(
        treeNode(1, u"vehicle",
            { icon(withAttribute(treeNode(2, u"engine"), B::CheckBoxBit, u"checked"), block, false),
                icon(withAttribute(treeNode(3, u"gearbox"), B::CheckBoxBit, u"partial"), block,
                    false),
                icon(withAttribute(treeNode(4, u"chassis (library)"),
                         B::CheckBoxBit | B::DisabledBit, u"unchecked"),
                    locked, true),
                icon(treeNode(5, u"brakes"), block, false),
                icon(treeNode(6, u"sensors (library)"), locked, true) }),
        block, false));
    panel->setTitle(QStringLiteral("Model Hierarchy"));
    panel->repaintNode(handle(3), QColor(255, 230, 80));
    panel->repaintNode(handle(5), QColor(140, 220, 140));
    view->clearSelection();
    panel->resize(240, 200);
    QApplication::processEvents();

    // Read-only needs both the padlock picture and the item flag: object, picture, answer, found.
    const QByteArray lock = QString::fromStdU16String(locked).toLocal8Bit();
    const QByteArray plain = QString::fromStdU16String(block).toLocal8Bit();
    const std::tuple<UDInterface*, const char*, bool, bool> readOnly[]
        = { { handle(6), lock, true, true }, { handle(2), plain, false, true },
              { handle(6), plain, false, true }, { handle(99), lock, false, false },
              { nullptr, lock, false, false }, { handle(6), nullptr, false, false } };
    for (const auto& [object, path, answer, found] : readOnly) {
        bool seen = false;
        EXPECT_EQ(panel->isNodePixmapForReadOnly(object, path, seen), answer);
        EXPECT_EQ(seen, found);
    }
    const QImage image = view->viewport()->grab().toImage();
    // The yellow highlight is painted behind the gearbox's text.
    const QRect row = view->visualRect(at(3));
    EXPECT_GT(vxtest::countPixels(image.copy(row.left(), row.center().y() + 2, row.width(), 1),
                  [](QRgb c) { return qRed(c) > 230 && qGreen(c) > 200 && qBlue(c) < 120; }),
        10);
    EXPECT_TRUE(vxtest::keepScreenshot(panel->grab().toImage(), "tree-checkboxes-highlights.png"));
}

TEST(GuiTreeAccordionTest, PanesAreAddedOnceAndTheirSelectionNamesThePane)
{
    auto* panel = new GuiTreePanel(nullptr);
    GuiTreeAccordion side(panel);
    side.resize(240, 400);
    side.show();
    EXPECT_EQ(side.accordion(), nullptr);
    QSignalSpy changed(&side, &GuiTreeAccordion::accordionChanged);
    side.addAccordionComponent("signals", "Signals", "", "", "");
    side.addAccordionComponent("params", "Parameters", "", "", "");
    side.addAccordionComponent("signals", "Again", "", "", "");
    ASSERT_NE(side.accordion(), nullptr);
    EXPECT_TRUE(side.accordion()->isVisible());
    EXPECT_EQ(side.accordion()->count(), 2);
    EXPECT_EQ(side.accordion()->getSelected()->id(), "signals");
    EXPECT_EQ(changed.count(), 0) << "selecting the first pane on adding is no user choice";
    side.selectAccordionComponent("params");
    ASSERT_EQ(changed.count(), 1);
    EXPECT_EQ(changed.at(0).at(0).toString(), "params");
    // Hiding and showing a pane moves the splitter by one pane header each way.
    const int header = side.accordion()->component(0)->minimumSizeHint().height();
    const QList<int> before = side.sizes();
    side.hideAccordionComponent("params");
    const QList<int> hidden = side.sizes();
    EXPECT_EQ(hidden.at(1), before.at(1) - header);
    EXPECT_EQ(hidden.at(0) + hidden.at(1), before.at(0) + before.at(1));
    // Showing grows by every pane the smaller accordion had folded away, up to its maximum.
    side.showAccordionComponent("params");
    EXPECT_GT(side.sizes().at(1), hidden.at(1));
    EXPECT_FALSE(side.accordion()->getAccordionComponent("params")->isHidden());
    side.removeAccordionComponent("params");
    side.removeAccordionComponent("signals");
    EXPECT_TRUE(side.accordion()->isHidden());
}

} // namespace
