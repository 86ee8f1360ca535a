// The cell painting shortcut: a one-line cell that the delegate lays out itself must come out
// pixel for pixel as the style paints it, and every other cell must be left to the style.
#include "vx_qtgui/modelexplorer/itemviews/ODItemDelegate.h"

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

struct CellCase {
    const char* name;
    QString text;
    int alignment; // 0: the delegate's default
    QStyle::State state;
    int width;
    bool bold;
    Qt::LayoutDirection direction;
    bool laidOutHere;
};

void PrintTo(const CellCase& c, std::ostream* out)
{
    *out << c.name;
}

constexpr QStyle::State kPlain = QStyle::State_Enabled | QStyle::State_Active;

const CellCase kCases[] = {
    { "Plain", QStringLiteral("row12"), 0, kPlain, 120, false, Qt::LeftToRight, true },
    { "RightAligned", QStringLiteral("12.50"), int(Qt::AlignRight | Qt::AlignVCenter), kPlain, 120,
        false, Qt::LeftToRight, true },
    { "Centred", QStringLiteral("A"), int(Qt::AlignCenter), kPlain, 120, false, Qt::LeftToRight,
        true },
    { "Selected", QStringLiteral("picked"), 0, kPlain | QStyle::State_Selected, 120, false,
        Qt::LeftToRight, true },
    { "SelectedInactive", QStringLiteral("picked"), 0,
        QStyle::State_Enabled | QStyle::State_Selected, 120, false, Qt::LeftToRight, true },
    { "Disabled", QStringLiteral("off"), 0, QStyle::State_Active, 120, false, Qt::LeftToRight,
        true },
    { "Bold", QStringLiteral("Heavy"), 0, kPlain, 120, true, Qt::LeftToRight, true },
    { "RightToLeft", QStringLiteral("abc def"), 0, kPlain, 120, false, Qt::RightToLeft, true },
    { "NotLatin", QStringLiteral("\u03a9\u03bc\u03ad\u03b3\u03b1 \u540d\u524d"), 0, kPlain, 160,
        false, Qt::LeftToRight, true },
    { "TooLongIsElidedByTheStyle", QStringLiteral("a value far too long for its column"), 0, kPlain,
        60, false, Qt::LeftToRight, false },
    { "FocusFrameByTheStyle", QStringLiteral("current"), 0, kPlain | QStyle::State_HasFocus, 120,
        false, Qt::LeftToRight, false },
    { "TopAlignedByTheStyle", QStringLiteral("top"), int(Qt::AlignLeft | Qt::AlignTop), kPlain, 120,
        false, Qt::LeftToRight, false },
    { "TwoLinesByTheStyle", QStringLiteral("one\ntwo"), 0, kPlain, 120, false, Qt::LeftToRight,
        false },
};

class ODItemDelegateTest : public testing::TestWithParam<CellCase> {
protected:
    void SetUp() override
    {
        m_style.reset(QStyleFactory::create(QStringLiteral("Fusion")));
        ASSERT_NE(m_style, nullptr);
        m_view.setStyle(m_style.get());
        m_view.setModel(&m_model);
        m_model.appendRow(new QStandardItem);
    }

    // The cell painted one way or the other on white.
    template <class Paint> QImage paintCell(const QStyleOptionViewItem& option, Paint paint)
    {
        QImage image(option.rect.size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::white);
        QPainter painter(&image);
        paint(&painter, option);
        return image;
    }

    std::unique_ptr<QStyle> m_style;
    QStandardItemModel m_model;
    QTableView m_view;
};

TEST_P(ODItemDelegateTest, PaintsTheCellAsTheStyleDoes)
{
    const CellCase& c = GetParam();
    QStandardItem* item = m_model.item(0);
    item->setText(c.text);
    if (c.alignment)
        item->setTextAlignment(Qt::Alignment(c.alignment));
    ODItemDelegate delegate(&m_view);
    const QModelIndex index = m_model.index(0, 0);
    // Odd and even spare heights round differently.
    for (int height : { 21, 23, 24 }) {
        QStyleOptionViewItem option;
        option.initFrom(&m_view);
        option.widget = &m_view;
        option.rect = QRect(0, 0, c.width, height);
        option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter; // what views hand delegates
        option.state = c.state;
        option.direction = c.direction;
        option.font = m_view.font();
        option.font.setBold(c.bold);

        bool laidOutHere = false;
        const QImage ours = paintCell(option, [&](QPainter* p, const QStyleOptionViewItem& o) {
            laidOutHere = delegate.paintStyledCell(p, o, index);
        });
        const QImage styles = paintCell(option, [&](QPainter* p, const QStyleOptionViewItem& o) {
            delegate.QStyledItemDelegate::paint(p, o, index);
        });

        EXPECT_EQ(laidOutHere, c.laidOutHere) << "height " << height;
        EXPECT_TRUE(ours == styles) << "the cell differs from the style's at height " << height;
        int inked = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x)
                inked += ours.pixel(x, y) != ours.pixel(0, 0) ? 1 : 0;
        EXPECT_GT(inked, 0) << "no text drawn: is a font installed?";
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, ODItemDelegateTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

} // namespace
