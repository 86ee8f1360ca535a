#pragma once

#include "tests/modelexplorer/ExplorerTestRecords.h"
#include "tests/modelexplorer/ListViewTestHost.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/WidgetLeakTest.h"

#include <QAbstractItemModelTester>
#include <QPoint>

#include <memory>

class GuiListView;
class ListModel;
class ListProxyModel;
class QModelIndex;
class VXPanel;

/// Cell kinds of the fixture's rows, as the host marks them.
enum CellKind : unsigned {
    Plain = 0,
    ReadOnly = 1,
    Boolean = 2,
    Link = 4,
    Missing = 8,
};

/// A list view on the GUI thread over a model with the columns " ", "Name", "Info.Kind",
/// "Done" (boolean) and "Link", sending its events for a panel proxy to a test host on the
/// engine thread. The models are watched by QAbstractItemModelTester, which fails the test on a
/// broken invariant. Fixtures of widgets holding their own list start with
/// startLeakCheckAndHost() instead and watch that list's models.
class ListViewFixture : public vxtest::WidgetLeakTest {
public:
    /// A row record of object `id` with the given cell kinds for kind, done and link.
    static VXMEObjectMessageData* row(int id, unsigned kindCell = Plain,
        unsigned doneCell = Boolean, unsigned linkCell = Link, const char16_t* done = u"0");
    /// GUI thread: the centre of the check indicator of a boolean cell of `view`.
    static QPoint checkBox(const GuiListView* view, const QModelIndex& index);

protected:
    void SetUp() override;
    void TearDown() override;
    /// SetUp's first step, before any widget is made: the leak check, record factory and the
    /// model testers' failure hook.
    void startLeakCheckAndHost();

    /// Rebuilds the view (spreadsheet mode on request) with `rows` object rows 1..rows: name
    /// "row<i>", kind "A"/"B" alternating, done "0", link "open".
    void build(bool spreadsheet, int rows);
    /// GUI thread: shows `records` (then frees them) as the host's new list.
    void replaceRows(OwnedRecords records);
    /// GUI thread: shows `count` index rows of `owner` whose data the host has not sent yet.
    void replaceWithIndexRows(UDInterface* owner, int count);
    /// GUI thread: the viewport position of a cell's centre (proxy row and column).
    QPoint cell(int row, int column) const;
    /// Engine thread: delivers queued events to the host.
    void deliver() { vxtest::deliverEvents(); }

    ListViewTestHost m_host;
    VXPanel* m_owner = nullptr;
    ListModel* m_model = nullptr;
    ListProxyModel* m_proxy = nullptr;
    GuiListView* m_view = nullptr;
    std::unique_ptr<QAbstractItemModelTester> m_modelTester;
    std::unique_ptr<QAbstractItemModelTester> m_proxyTester;

private:
    void destroyView();
};
