// Check boxes, in-place editing driven by the host, and cell painting of the list view.
#include "engine/modelexplorer/VXMEEditTypeData.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "tests/modelexplorer/ListViewFixture.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/itemviews/ListViewDelegate.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

using testing::ElementsAre;
using vxtest::runOnGuiThread;

namespace {

VXMEEditTypeData* editType(bool allowText, std::initializer_list<const char*> choices = {})
{
    auto* data = new VXMEEditTypeData;
    data->allowText = allowText;
    for (const char* c : choices)
        data->choices.addElement(c);
    return data;
}

class ListViewEditing : public ListViewFixture {
protected:
    /// The host answers an edit request with `type` and the value `value` for the cell.
    void answerEditsWith(std::function<VXMEEditTypeData*()> type, std::u16string value)
    {
        m_host.setAnswer([this, type, value](const SeenListEvent& e) {
            if (e.type != SSItemsEditRequest || e.records.empty())
                return;
            OwnedRecords records { makeRecord(1, { value.c_str() }) };
            runOnGuiThread([&] {
                m_view->changeEditTypeData(type());
                m_view->editListNodes(&records);
            });
        });
    }
    /// Clicks the name cell of `row` and asks to edit it as the user does (F2).
    void requestEditOfRow(int row)
    {
        ASSERT_TRUE(runOnGuiThread([&] {
            QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cell(row, 1));
            QTest::keyClick(m_view, Qt::Key_F2);
        }));
        deliver();
    }
    QWidget* editor() const { return m_view->indexWidget(m_view->currentIndex()); }
};

struct TypedEditCase {
    const char* name;
    const char16_t* hostValue;
    const char* typed; // null: commit what the editor shows
    const char16_t* sent; // null: nothing is sent
};

class ListViewTypedEdit : public ListViewEditing,
                          public testing::WithParamInterface<TypedEditCase> { };

TEST_P(ListViewTypedEdit, CommitsOnlyRealChanges)
{
    const TypedEditCase& c = GetParam();
    answerEditsWith([] { return editType(true); }, c.hostValue);
    requestEditOfRow(2);
    const auto requests = m_host.ofType(SSItemsEditRequest);
    ASSERT_EQ(requests.size(), 1u);
    ASSERT_EQ(requests[0].records.size(), 1u);
    EXPECT_EQ(requests[0].records[0].object, handle(3));
    EXPECT_THAT(requests[0].records[0].names, ElementsAre("Name"));
    ASSERT_TRUE(runOnGuiThread([&] {
        auto* edit = qobject_cast<QLineEdit*>(editor());
        ASSERT_NE(edit, nullptr);
        const QString shown = QString::fromStdU16String(
            *c.hostValue ? std::u16string(c.hostValue) : std::u16string(u"<edit>"));
        EXPECT_EQ(edit->text(), shown);
        EXPECT_EQ(edit->selectedText(), shown);
        if (c.typed)
            QTest::keyClicks(edit, QString::fromLatin1(c.typed));
        QTest::keyClick(edit, Qt::Key_Return);
        // The cell keeps what it had until the host sends new records.
        EXPECT_NE(m_model->itemForObject(handle(3))->text(1), QStringLiteral("<edit>"));
    }));
    deliver();
    const auto changes = m_host.ofType(SSItemsChangedEvent);
    ASSERT_EQ(changes.size(), c.sent ? 1u : 0u);
    if (!c.sent)
        return;
    ASSERT_EQ(changes[0].records.size(), 1u);
    EXPECT_EQ(changes[0].records[0].object, handle(3));
    EXPECT_THAT(changes[0].records[0].names, ElementsAre("Name"));
    EXPECT_THAT(changes[0].records[0].values, ElementsAre(std::u16string(c.sent)));
}

INSTANTIATE_TEST_SUITE_P(Cases, ListViewTypedEdit,
    testing::Values(TypedEditCase { "Typed", u"old", "new", u"new" },
        TypedEditCase { "Unchanged", u"old", nullptr, nullptr },
        TypedEditCase { "NoValueNeverCommits", u"", nullptr, nullptr },
        TypedEditCase { "NoValueThenTyped", u"", "typed", u"typed" }),
    [](const testing::TestParamInfo<TypedEditCase>& info) { return info.param.name; });

TEST_F(ListViewEditing, ReadOnlyCellsAreNotOfferedAndNoChoicesNorFreeTextGiveNoEditor)
{
    answerEditsWith([] { return editType(false); }, u"x");
    ASSERT_TRUE(runOnGuiThread([&] {
        replaceRows({ row(1, ReadOnly), row(2) });
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cell(0, 2));
        QTest::keyClick(m_view, Qt::Key_F2);
    }));
    deliver();
    EXPECT_EQ(m_host.count(SSItemsEditRequest), 0u);
    requestEditOfRow(1);
    ASSERT_EQ(m_host.count(SSItemsEditRequest), 1u);
    ASSERT_TRUE(runOnGuiThread([&] { EXPECT_EQ(editor(), nullptr); }));
}

TEST_F(ListViewEditing, ChoicesComeInAComboBoxThatCommitsTheChosenItem)
{
    answerEditsWith([] { return editType(false, { "red", "green" }); }, u"Green");
    ASSERT_TRUE(runOnGuiThread([&] { m_view->listDelegate()->setNoPopup(true); }));
    requestEditOfRow(0);
    ASSERT_TRUE(runOnGuiThread([&] {
        auto* combo = qobject_cast<QComboBox*>(editor());
        ASSERT_NE(combo, nullptr);
        EXPECT_FALSE(combo->isEditable());
        ASSERT_EQ(combo->count(), 3) << "the value first, then the choices";
        EXPECT_EQ(combo->itemText(0), QStringLiteral("Green"));
        EXPECT_EQ(combo->currentIndex(), 0);
        combo->setCurrentIndex(1);
        emit combo->activated(1);
    }));
    deliver();
    const auto changes = m_host.ofType(SSItemsChangedEvent);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_THAT(changes[0].records[0].values, ElementsAre(u"red"));
}

TEST_F(ListViewEditing, CheckBoxToggleWritesEverySelectedWritableRowAndSendsOneEvent)
{
    ASSERT_TRUE(runOnGuiThread([&] {
        replaceRows({ row(1), row(2, Plain, Boolean | ReadOnly), row(3), row(4) });
        m_view->enableListSorting(true, QStringLiteral("Done"), true, false);
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, {}, cell(0, 1));
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ShiftModifier, cell(2, 1));
        QTest::mouseClick(
            m_view->viewport(), Qt::LeftButton, {}, checkBox(m_view, m_proxy->index(0, 3)));
        EXPECT_EQ(m_view->selectedItems().size(), 3) << "the toggle keeps the selection";
        for (int id = 1; id <= 4; ++id)
            EXPECT_EQ(m_model->itemForObject(handle(id))->text(3), QString(id % 2 ? "1" : "0"))
                << id;
        // The next sort request tells the host the sorted column was touched.
        QHeaderView* h = m_view->header();
        const QPoint done(h->sectionViewportPosition(3) + 10, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, done);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, done);
    }));
    deliver();
    const auto changes = m_host.ofType(SSItemsChangedEvent);
    ASSERT_EQ(changes.size(), 1u);
    ASSERT_EQ(changes[0].records.size(), 2u);
    EXPECT_EQ(changes[0].records[0].object, handle(1));
    EXPECT_EQ(changes[0].records[1].object, handle(3));
    for (const SeenRecord& r : changes[0].records) {
        EXPECT_THAT(r.names, ElementsAre("Done"));
        EXPECT_THAT(r.values, ElementsAre(u"1"));
    }
    const auto sorts = m_host.ofType(SSSortingChangedEvent);
    ASSERT_EQ(sorts.size(), 2u);
    EXPECT_EQ(sorts[0].value, 1);
    EXPECT_EQ(sorts[1].value, 0) << "cleared once sent";
}

TEST_F(ListViewEditing, PaintsReadOnlySpreadsheetCellsGreyAndMarksMissingProperties)
{
    struct Case {
        bool spreadsheet;
        unsigned kind;
        bool mark;
        QColor background; // at the cell's right end
        bool dash;
    };
    const Case cases[] = {
        { true, ReadOnly, false, QColor(249, 249, 249), false },
        { true, Plain, false, QColor(Qt::white), false },
        { false, Missing, true, QColor(Qt::white), true },
        { false, Missing, false, QColor(Qt::white), false },
    };
    for (const Case& c : cases) {
        build(c.spreadsheet, 0);
        ASSERT_TRUE(runOnGuiThread([&] {
            QPalette palette = m_view->palette();
            palette.setColor(QPalette::Base, Qt::white);
            m_view->setPalette(palette);
            m_view->markUnrelatedProperties(c.mark);
            replaceRows({ row(1, c.kind), row(2) });
            const QImage image = m_view->viewport()->grab().toImage();
            const QRect r = m_view->visualRect(m_proxy->index(0, 2));
            EXPECT_EQ(image.pixelColor(r.right() - 3, r.center().y()), c.background)
                << c.spreadsheet << c.kind;
            // The dash is one grey line across the cell's middle, from 2 pixels in, 10 long.
            const int y = r.top() + r.height() / 2;
            int grey = 0;
            for (int x = r.left() + 2; x <= r.left() + 12; ++x)
                grey += image.pixelColor(x, y) == QColor(Qt::gray) ? 1 : 0;
            EXPECT_EQ(grey >= 8, c.dash) << c.kind << " " << c.mark << " " << grey;
        }));
    }
}

// The picture for the documentation: groups, check boxes, a hyperlink cell, a faint read-only
// cell and an open editor. Written when VX_SCREENSHOT_DIR names a directory.
TEST_F(ListViewEditing, ScreenshotShowsTextAndTheOpenEditor)
{
    build(true, 0);
    answerEditsWith([] { return editType(true); }, u"row3 renamed");
    ASSERT_TRUE(runOnGuiThread([&] {
        m_view->setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
        m_view->resize(520, 240);
        m_view->setGroupColumn(QStringLiteral("Info.Kind"));
        replaceRows({ row(1, ReadOnly, Boolean, Link, u"1"), row(2),
            row(3, Plain, Boolean | ReadOnly, Link, u"1"), row(4), row(5, ReadOnly) });
        m_view->expandAllGroups();
        const QModelIndex row3 = m_proxy->mapFromSource(m_model->indexFromItem(handle(3)));
        ASSERT_TRUE(row3.isValid());
        m_view->setCurrentIndex(row3.siblingAtColumn(1));
        QTest::keyClick(m_view, Qt::Key_F2);
    }));
    deliver();
    ASSERT_TRUE(runOnGuiThread([&] {
        ASSERT_NE(qobject_cast<QLineEdit*>(editor()), nullptr);
        QApplication::processEvents();
        const QImage image = m_view->grab().toImage();
        EXPECT_GT(vxtest::countPixels(image, vxtest::isText), 200) << "text was drawn";
        EXPECT_TRUE(vxtest::keepScreenshot(image, "listview-editing.png"));
    }));
}

} // namespace
