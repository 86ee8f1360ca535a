// The tree model under QAbstractItemModelTester while whole trees and subtrees are replaced:
// expansion keys across rebuilds, node attributes and check states, and hostile records.
#include "vx_qtgui/modelexplorer/itemmodels/TreeModel.h"

#include "engine/modelexplorer/VXPropertyAttribute.h"
#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ModelTester.h"
#include "tests/modelexplorer/TreeTestRecords.h"
#include "tests/support/QStringPrinter.h"
#include "vx_qtgui/GuiUtil.h"

#include <QSignalSpy>

#include <tuple>

#include <gtest/gtest.h>

namespace {

class TreeModelTest : public testing::Test {
protected:
    // Replaces the tree and frees the records, as the panel does after handling a message.
    TreeModel::FillResult setRoot(VXMEObjectMessageData* record)
    {
        TreeModel::FillResult result;
        model->setRoot(record, &result);
        delete record;
        return result;
    }
    // What the panel does for a subtree: drop what went, then add and update in order.
    void replaceSubtree(VXMEObjectMessageData* record)
    {
        std::vector<UDInterface*> requests;
        if (ListItem* node = model->itemForObject(record->object)) {
            model->refreshSubTree(record->children, node, false, &requests);
            model->updateItem(node, record, false);
            model->fillSubTree(record->children, node, nullptr);
        }
        delete record;
    }
    void expand(std::uintptr_t id)
    {
        ASSERT_TRUE(model->addToExpanded(model->indexFromItem(handle(id))));
    }
    static QStringList labels(const std::vector<ListItem*>& items)
    {
        QStringList out;
        for (const ListItem* i : items)
            out << i->text(0);
        out.sort();
        return out;
    }

    RecordsFreed freed;
    std::unique_ptr<TreeModel> model = std::make_unique<TreeModel>();
    std::unique_ptr<QAbstractItemModelTester> tester = vxtest::watchModel(model.get());
};

TEST_F(TreeModelTest, ExpansionKeyIsLabelWithoutStarsAndTheAddress)
{
    const std::tuple<const char*, UDInterface*, const char*> cases[]
        = { { "engine", handle(42), "engine" }, { "engine*", handle(42), "engine" },
              { "*a*b*", handle(42), "ab" }, { "", handle(42), "" }, { "x", nullptr, "x" } };
    for (const auto& [label, object, stripped] : cases)
        EXPECT_EQ(TreeModel::expansionKey(label, object),
            QString(stripped) + QLatin1Char('_')
                + GuiUtil::convertToQString(static_cast<void*>(object)));
}

TEST_F(TreeModelTest, ExpansionKeysOutliveTheirNodesAndCollapsedRenamesAddNone)
{
    EXPECT_FALSE(labels(setRoot(sampleTree()).expand).contains("body"));
    expand(3);
    setRoot(treeNode(1, u"car"));
    EXPECT_EQ(model->itemForObject(handle(3)), nullptr);
    EXPECT_TRUE(labels(setRoot(sampleTree()).expand).contains("body"));
    replaceSubtree(treeNode(4, u"tyre"));
    EXPECT_EQ(model->expandedKeys().size(), 1u) << "a collapsed node's rename adds nothing";
}

TEST_F(TreeModelTest, TheSameNodesAgainAreUpdatedInPlaceAndOtherwiseReset)
{
    setRoot(sampleTree());
    expand(2);
    QSignalSpy resets(model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy changes(model.get(), &QAbstractItemModel::dataChanged);
    const QPersistentModelIndex engine = model->indexFromItem(handle(2));

    // The same tree again announces nothing; one label changed announces that row alone.
    setRoot(sampleTree());
    EXPECT_EQ(changes.count(), 0);
    TreeModel::FillResult result = setRoot(sampleTree(u"motor"));
    EXPECT_EQ(resets.count(), 0);
    ASSERT_EQ(changes.count(), 1);
    EXPECT_EQ(changes.front().at(0).toModelIndex(), QModelIndex(engine));
    EXPECT_EQ(changes.front().at(1).toModelIndex(), QModelIndex(engine));
    EXPECT_EQ(engine.data().toString(), "motor");
    EXPECT_EQ(treeText(*model), "car(motor(piston valve) body(door(hinge)) wheel)");
    EXPECT_EQ(labels(result.expand), QStringList({ "motor" }));
    EXPECT_EQ(labels(result.collapse), QStringList({ "body", "door" }))
        << "the root is the view's to open";

    // Any difference in nodes or order takes the reset.
    VXMEObjectMessageData* more = sampleTree();
    more->addChild(treeNode(9, u"seat"));
    const std::pair<const char*, VXMEObjectMessageData*> shapes[] = {
        { "a child more", more },
        { "two leaves swapped",
            treeNode(1, u"car",
                { treeNode(2, u"engine", { treeNode(6, u"valve"), treeNode(5, u"piston") }),
                    treeNode(3, u"body", { treeNode(7, u"door", { treeNode(8, u"hinge") }) }),
                    treeNode(4, u"wheel") }) },
        { "a leaf without its children", treeNode(1, u"car") },
        { "another root", treeNode(10, u"truck") },
    };
    for (const auto& [what, tree] : shapes) {
        setRoot(sampleTree());
        resets.clear();
        setRoot(tree);
        EXPECT_EQ(resets.count(), 1) << what;
    }
}

TEST_F(TreeModelTest, ReplacingASubtreeRemovesMovesAndAddsUnderTheTester)
{
    setRoot(sampleTree());
    QSignalSpy resets(model.get(), &QAbstractItemModel::modelReset);
    QSignalSpy moves(model.get(), &QAbstractItemModel::rowsMoved);
    const ListItem* hinge = model->itemForObject(handle(8));
    // valve before piston, the door comes over from the body, a new node is added.
    replaceSubtree(treeNode(2, u"engine",
        { treeNode(6, u"valve"), treeNode(7, u"door"), treeNode(5, u"piston"),
            treeNode(10, u"belt") }));
    EXPECT_EQ(treeText(*model), "car(engine(valve door(hinge) piston belt) body wheel)");
    EXPECT_EQ(model->itemForObject(handle(8)), hinge) << "a moved node keeps its loaded children";
    EXPECT_EQ(resets.count(), 0);
    EXPECT_GE(moves.count(), 2);

    // A record without children leaves the node's children; an empty list removes them.
    replaceSubtree(treeNode(
        1, u"car", { treeNode(2, u"engine"), treeNode(3, u"body"), treeNode(4, u"wheel") }));
    EXPECT_EQ(treeText(*model), "car(engine(valve door(hinge) piston belt) body wheel)");
    auto* emptied = treeNode(2, u"engine");
    emptied->children = new VXMEObjectDataList;
    replaceSubtree(emptied);
    EXPECT_EQ(treeText(*model), "car(engine body wheel)");
    EXPECT_EQ(model->itemForObject(handle(8)), nullptr) << "removed nodes leave the index";
}

TEST_F(TreeModelTest, CheckStatesReadBackAsWords)
{
    using B = TreeModel::NodeBit;
    const Qt::ItemFlags checkable = Qt::ItemIsUserCheckable, tristate = Qt::ItemIsUserTristate;
    // Node bits, check value, the word read back, flags beyond selectable and enabled.
    const std::tuple<std::uint16_t, const char16_t*, const char*, Qt::ItemFlags> cases[] = {
        { B::CheckBoxBit, u"checked", "CHECKED", checkable | tristate },
        { B::CheckBoxBit, u"unchecked", "UNCHECKED", checkable | tristate },
        { B::CheckBoxBit, u"partial", "PARTIAL", checkable | tristate },
        { B::CheckBoxBit, u"Checked", "UNCHECKED", checkable | tristate },
        { B::CheckBoxBit | B::DisabledBit, u"partial", "PARTIAL_DISABLE", tristate },
        { B::CheckBoxBit | B::BooleanBit, u"1", "CHECKED", checkable },
        { B::CheckBoxBit | B::BooleanBit, u"checked", "UNCHECKED", checkable },
        { B::CheckBoxBit | B::BooleanBit | B::DisabledBit, u"1", "CHECKED_DISABLE", {} },
        { 0, u"checked", "NOCHECKBOX", {} },
        { B::DisabledBit, u"", "NOCHECKBOX_DISABLE", {} },
    };
    std::uintptr_t id = 100;
    auto* root = treeNode(1, u"root");
    for (const auto& [bits, value, word, flags] : cases)
        root->addChild(withAttribute(treeNode(id++, u"n"), bits, value));
    setRoot(root);
    id = 100;
    for (const auto& [bits, value, word, flags] : cases) {
        SCOPED_TRACE(word);
        EXPECT_EQ(model->getCheckState(handle(id)), word);
        EXPECT_EQ(model->flags(model->indexFromItem(handle(id))),
            Qt::ItemIsSelectable | Qt::ItemIsEnabled | flags);
        ++id;
    }
    EXPECT_EQ(model->getCheckState(handle(999)), "") << "a node not in the tree";
    EXPECT_EQ(model->getCheckState(nullptr), "");
}

TEST_F(TreeModelTest, AttributesGiveFontColoursAndToolTip)
{
    auto* record = withAttribute(
        treeNode(2, u"styled"), VXPropertyAttribute::BoldBit | VXPropertyAttribute::ItalicBit, u"");
    record->treeAttributes->front().setStyle("tooltip", "a tip");
    record->treeAttributes->front().color = "200,10,10";
    setRoot(treeNode(1, u"root", { record, treeNode(3, u"plain") }));
    const QModelIndex styled = model->indexFromItem(handle(2));
    const QFont font = styled.data(Qt::FontRole).value<QFont>();
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(styled.data(Qt::ToolTipRole).toString(), "a tip");
    EXPECT_EQ(styled.data(Qt::ForegroundRole).value<QColor>(), QColor(200, 10, 10));
    EXPECT_FALSE(model->indexFromItem(handle(3)).data(Qt::FontRole).isValid());
    EXPECT_FALSE(model->indexFromItem(handle(3)).data(Qt::CheckStateRole).isValid());
}

TEST_F(TreeModelTest, HostileRecordsChangeNothingHarmful)
{
    setRoot(sampleTree());
    // The car named again below its own door: dropped, the tree stays a tree.
    replaceSubtree(treeNode(7, u"door", { treeNode(1, u"car"), treeNode(8, u"hinge") }));
    EXPECT_EQ(treeText(*model), "car(engine(piston valve) body(door(hinge)) wheel)");
    // The same object twice in one list ends up once, at its last place.
    replaceSubtree(treeNode(
        2, u"engine", { treeNode(5, u"piston"), treeNode(6, u"valve"), treeNode(5, u"piston") }));
    EXPECT_EQ(treeText(*model), "car(engine(valve piston) body(door(hinge)) wheel)");
    // A list holding a record of the wrong kind and one without object.
    auto* odd = treeNode(4, u"wheel");
    odd->children = new VXMEObjectDataList { new VXMEObjectData(handle(50)), nullptr };
    replaceSubtree(odd);
    EXPECT_EQ(treeText(*model), "car(engine(valve piston) body(door(hinge)) wheel)");
    EXPECT_EQ(model->addItem(nullptr, model->root(), QModelIndex()), QModelIndex());
    EXPECT_FALSE(model->removeSubtree(handle(99)));
    EXPECT_FALSE(model->addToExpanded(QModelIndex()));
    EXPECT_FALSE(model->setAcceptedActions(handle(99), 1));
    setRoot(nullptr);
    EXPECT_EQ(model->rowCount(), 0);
}

TEST_F(TreeModelTest, DropStateIsClearedDeepDownAsTheViewAsks)
{
    setRoot(sampleTree());
    ListItem* hinge = model->itemForObject(handle(8));
    const std::tuple<bool, bool, unsigned> cases[]
        = { { true, false, 2u }, { false, true, 0u }, { true, true, 0u } };
    for (const auto& [statuses, actions, actionsLeft] : cases) {
        hinge->setDropStatus(4);
        ASSERT_TRUE(model->setAcceptedActions(handle(8), 2));
        EXPECT_EQ(hinge->dropStatus, 3) << "an answer ends the asking";
        model->clearDropState(statuses, actions);
        EXPECT_EQ(hinge->dropStatus, 0) << statuses << actions;
        EXPECT_EQ(hinge->acceptedActions, actionsLeft) << statuses << actions;
    }
}

} // namespace
