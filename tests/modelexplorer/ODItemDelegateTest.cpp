// The cell painting shortcut: a one-line cell that the delegate lays out itself must come out
// pixel for pixel as the style paints it, and every other cell must be left to the style.
#include "vx_qtgui/modelexplorer/itemviews/ODItemDelegate.h"
#include "tests/modelexplorer/ExplorerPictures.h"

#include <QImage>
#include <QPainter>
#include <QStandardItemModel>
#include <QStyle>
#include <QStyleFactory>
#include <QTableView>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr QStyle::State kPlain = QStyle::State_Enabled | QStyle::State_Active;

// The fields after the text default to a plain left-aligned cell the delegate lays out itself.
struct CellCase {
    const char* name;
    const char* text; // UTF-8
    bool laidOutHere = true;
    QStyle::State state = kPlain;
    int alignment = 0; // 0: the delegate's default
    int width = 120;
    bool bold = false;
    Qt::LayoutDirection direction = Qt::LeftToRight;
};

const CellCase kCases[] = {
    { "Plain", "row12" },
    { "RightAligned", "12.50", true, kPlain, int(Qt::AlignRight | Qt::AlignVCenter) },
    { "Centred", "A", true, kPlain, int(Qt::AlignCenter) },
    { "Selected", "picked", true, kPlain | QStyle::State_Selected },
    { "SelectedInactive", "picked", true, QStyle::State_Enabled | QStyle::State_Selected },
    { "Disabled", "off", true, QStyle::State_Active },
    { "Bold", "Heavy", true, kPlain, 0, 120, true },
    { "RightToLeft", "abc def", true, kPlain, 0, 120, false, Qt::RightToLeft },
    { "NotLatin", "\u03a9\u03bc\u03ad\u03b3\u03b1 \u540d\u524d", true, kPlain, 0, 160 },
    { "TooLongIsElidedByTheStyle", "a value far too long for its column", false, kPlain, 0, 60 },
    { "FocusFrameByTheStyle", "current", false, kPlain | QStyle::State_HasFocus },
    { "TopAlignedByTheStyle", "top", false, kPlain, int(Qt::AlignLeft | Qt::AlignTop) },
    { "TwoLinesByTheStyle", "one\ntwo", false },
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
    item->setText(QString::fromUtf8(c.text));
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
        EXPECT_GT(vxtest::countPixels(ours, [&](QRgb p) { return p != ours.pixel(0, 0); }), 0)
            << "no text drawn: is a font installed?";
    }
}

INSTANTIATE_TEST_SUITE_P(Cells, ODItemDelegateTest, testing::ValuesIn(kCases),
    [](const testing::TestParamInfo<CellCase>& info) { return std::string(info.param.name); });

} // namespace
