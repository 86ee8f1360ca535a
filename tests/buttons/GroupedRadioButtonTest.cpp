// Groups of radio buttons: exclusive selection, user clicks and select() report the id,
// setCurrentItem() stays quiet.
#include "engine/VXGroupedRadioButton.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiGroupedRadioButton.h"

#include <QBoxLayout>
#include <QRadioButton>

using namespace testing;
using namespace vxtest;

namespace {

class GroupedRadioButtonTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        m_group = own(bridge()->createGroupedRadioButton(nullptr, 3));
        m_group->addEventListener(&m_clicks, GRBClickedEvent);
        m_group->insertRadioButtons({ u"a", u"b", u"c" });
    }

    GuiGroupedRadioButton* widget() { return widgetOf<GuiGroupedRadioButton>(m_group); }

    QList<QRadioButton*> buttons() { return widget()->findChildren<QRadioButton*>(); }

    // Labels of the checked buttons, in insertion order.
    QStringList checkedLabels()
    {
        QStringList checked;
        EXPECT_TRUE(runOnGuiThread([&] {
            for (QRadioButton* button : buttons()) {
                if (button->isChecked())
                    checked << button->text();
            }
        }));
        return checked;
    }

    EventLog m_clicks;
    VXGroupedRadioButton* m_group = nullptr;
};

TEST_F(GroupedRadioButtonTest, SetCurrentItemChecksQuietlyAndSelectReportsEveryId)
{
    EXPECT_EQ(m_group->getNumButtons(), 3);
    EXPECT_EQ(m_group->getCurrentItem(), -1);
    m_group->setCurrentItem(2);
    m_group->setCurrentItem(2); // the checked one: stays checked
    m_group->setCurrentItem(9);
    m_group->setCurrentItem(-3);
    EXPECT_EQ(m_group->getCurrentItem(), 2);
    EXPECT_EQ(checkedLabels(), QStringList { QStringLiteral("c") });
    deliverEvents();
    EXPECT_THAT(m_clicks.values(), IsEmpty());

    m_group->select(1);
    EXPECT_EQ(m_group->getCurrentItem(), 1);
    EXPECT_EQ(checkedLabels(), QStringList { QStringLiteral("b") });
    m_group->select(1); // already checked: reported again, nothing changes
    m_group->select(7); // no such button: reported, nothing changes
    m_group->select(-1); // ignored
    EXPECT_EQ(m_group->getCurrentItem(), 1);

    // Ids keep counting across insertions.
    m_group->insertRadioButtons({ u"d" });
    m_group->insertRadioButtons({});
    EXPECT_EQ(m_group->getNumButtons(), 4);
    m_group->select(3);
    EXPECT_EQ(checkedLabels(), QStringList { QStringLiteral("d") });
    deliverEvents();
    EXPECT_THAT(m_clicks.values(), ElementsAre(1, 1, 7, 3));
}

TEST_F(GroupedRadioButtonTest, UserClicksAreExclusiveAndReportTheirIds)
{
    m_group->setRect(0, 0, 200, 120);
    m_group->show();
    ASSERT_TRUE(runOnGuiThread([this] {
        const auto list = buttons();
        ASSERT_EQ(list.size(), 3);
        // Near the indicator: a radio button takes clicks on its indicator and text only.
        QTest::mouseClick(list[0], Qt::LeftButton, {}, QPoint(4, list[0]->height() / 2));
        QTest::mouseClick(list[2], Qt::LeftButton, {}, QPoint(4, list[2]->height() / 2));
    }));
    EXPECT_EQ(checkedLabels(), QStringList { QStringLiteral("c") });
    EXPECT_EQ(m_group->getCurrentItem(), 2);
    deliverEvents();
    EXPECT_THAT(m_clicks.values(), ElementsAre(0, 2));
}

TEST_F(GroupedRadioButtonTest, TitleOrientationBorderAndColoursReachEveryButton)
{
    m_group->setTitle(u"Pick one");
    m_group->setOrientHorizontal(true);
    m_group->setShowBorder(false);
    m_group->setBackgroundColor(10, 20, 30);
    double r = 0, g = 0, b = 0;
    ASSERT_TRUE(m_group->getBackgroundColor(r, g, b));
    EXPECT_EQ(QColor(int(r), int(g), int(b)), QColor(10, 20, 30));
    ASSERT_TRUE(runOnGuiThread([this] {
        GuiGroupedRadioButton* group = widget();
        EXPECT_EQ(group->title(), QStringLiteral("Pick one"));
        EXPECT_TRUE(group->isFlat());
        auto* layout = qobject_cast<QBoxLayout*>(group->layout());
        ASSERT_NE(layout, nullptr);
        EXPECT_EQ(layout->direction(), QBoxLayout::LeftToRight);
        for (QRadioButton* button : buttons())
            EXPECT_EQ(button->palette().color(QPalette::Active, QPalette::Base), QColor(10, 20, 30))
                << button->text().toStdString();
    }));
    m_group->setOrientHorizontal(false);
    m_group->setShowBorder(true);
    ASSERT_TRUE(runOnGuiThread([this] {
        EXPECT_FALSE(widget()->isFlat());
        EXPECT_EQ(
            qobject_cast<QBoxLayout*>(widget()->layout())->direction(), QBoxLayout::TopToBottom);
    }));
}

} // namespace
