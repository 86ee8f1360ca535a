// The accordion as its owner and a user drive it.
#include "vx_qtgui/GuiAccordion.h"
#include "tests/modelexplorer/ExplorerPictures.h"
#include "vx_qtgui/GuiAccordionComponent.h"
#include "vx_qtgui/GuiAccordionIconView.h"

#include <QApplication>
#include <QFont>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

// A square picture of one colour, made here.
QString makeIcon(const QTemporaryDir& dir, const QString& name, QColor color)
{
    QPixmap pixmap(24, 24);
    pixmap.fill(color);
    pixmap.save(dir.filePath(name), "PNG");
    return dir.filePath(name);
}

int darkPixels(const QImage& image, const QRect& area)
{
    return vxtest::countPixels(image.copy(area), [](QRgb p) { return qGray(p) < 80; });
}

class GuiAccordionTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        blue = makeIcon(dir, "blue.png", QColor(40, 90, 200));
        red = makeIcon(dir, "red.png", QColor(200, 60, 40));
        // A child of a plain window: a top-level would be held at its layout's minimum height.
        window.resize(260, 480);
        accordion = std::make_unique<GuiAccordion>(Qt::Vertical, &window);
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(12);
        accordion->setFont(font);
        accordion->resize(220, 400);
        window.show();
    }
    void TearDown() override { accordion.reset(); }

    void addFour()
    {
        accordion->addAccordionComponent("a", "Model browser", blue, "x", "tip a");
        accordion->addAccordionComponent("b", "Signals", red, "", "tip b");
        accordion->addAccordionComponent("c", "Parameters", blue, "", "tip c");
        accordion->addAccordionComponent("d", "Variants", red, "", "tip d");
    }
    int barHeight() const { return accordion->component(0)->minimumSizeHint().height(); }
    void resizeTo(int height)
    {
        accordion->resize(220, height);
        QApplication::processEvents();
    }
    // Per component: 'b' its bar shows, 'i' its icon shows, '?' both or neither.
    std::string layout() const
    {
        std::string out;
        for (int i = 0; i < accordion->count(); ++i) {
            const bool bar = !accordion->component(i)->isHidden();
            const bool icon = !accordion->component(i)->iconView()->isHidden();
            out += bar == icon ? '?' : bar ? 'b' : 'i';
        }
        return out;
    }

    QTemporaryDir dir;
    QWidget window;
    QString blue;
    QString red;
    std::unique_ptr<GuiAccordion> accordion;
};

TEST_F(GuiAccordionTest, AddedBarsThatDoNotFitBecomeIconsAndComeBackWhenEnlarged)
{
    addFour();
    GuiAccordionComponent* c = accordion->component(0);
    EXPECT_EQ(c->toolTip(), "Model browser"); // the label doubles as the tool tip
    EXPECT_TRUE(c->autoFillBackground());
    EXPECT_EQ(c->pixmapSize(), QSize(24, 24));
    // Bar height: the taller of font and picture, plus 12 at scale 1; room for every bar and
    // the icon row.
    const int h = barHeight();
    EXPECT_EQ(h, std::max(QFontMetrics(accordion->font()).height(), 24) + 12);
    EXPECT_EQ(c->maximumHeight(), 24 + 12);
    EXPECT_EQ(accordion->maximumHeight(), 5 * h);
    EXPECT_EQ(c->iconView()->parentWidget(), accordion->iconComponent());
    EXPECT_TRUE(accordion->componentExists("a"));
    EXPECT_FALSE(accordion->componentExists("zz"));
    EXPECT_EQ(accordion->getAccordionComponent("zz"), nullptr);
    EXPECT_EQ(accordion->getSelected(), nullptr);
    EXPECT_EQ(
        accordion->minimumSizeHint(), QSize(0, accordion->iconComponent()->sizeHint().height()));

    const struct {
        int height;
        const char* layout;
    } rows[] = { { 3 * h, "bbii" }, { 5 * h, "bbbb" }, { 3 * h - 1, "biii" }, { h, "iiii" },
        { 4 * h, "bbbi" } };
    for (const auto& row : rows) {
        resizeTo(row.height);
        ASSERT_EQ(accordion->height(), row.height);
        EXPECT_EQ(layout(), row.layout) << "height " << row.height;
    }
    // Room for two: the icon row shows the pictures of the other two.
    accordion->setSelected(QStringLiteral("b"));
    resizeTo(3 * h);
    const QImage shot = accordion->grab().toImage();
    EXPECT_TRUE(vxtest::keepScreenshot(shot, "accordion-two-bars-two-icons.png"));
    const QRect row = accordion->iconComponent()->geometry();
    ASSERT_TRUE(row.isValid());
    EXPECT_GT(
        vxtest::countPixels(shot.copy(row), [](QRgb p) { return QColor(p).saturation() > 120; }),
        2 * 100);
    resizeTo(5 * h);
    EXPECT_TRUE(vxtest::keepScreenshot(accordion->grab().toImage(), "accordion-enlarged.png"));
}

TEST_F(GuiAccordionTest, ClickOnAnIconOrABarIdIndexOrComponentSelectsAndNotifiesForItsOwn)
{
    addFour();
    resizeTo(3 * barHeight());
    QSignalSpy spy(accordion.get(), &GuiAccordion::activeComponentChanged);
    GuiAccordionComponent* d = accordion->getAccordionComponent("d");
    ASSERT_TRUE(d->iconView()->isVisible());
    QTest::mouseClick(d->iconView(), Qt::LeftButton);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(accordion->getSelected(), d);
    EXPECT_TRUE(d->isSelected());
    EXPECT_TRUE(d->iconView()->isChecked());

    // A second click on the checked icon keeps it selected and checked.
    QTest::mouseClick(d->iconView(), Qt::LeftButton);
    EXPECT_EQ(spy.count(), 2);
    EXPECT_TRUE(d->iconView()->isChecked());

    GuiAccordionComponent* a = accordion->getAccordionComponent("a");
    QTest::mousePress(a, Qt::LeftButton, {}, QPoint(10, 5));
    EXPECT_EQ(spy.count(), 3);
    EXPECT_EQ(accordion->getSelected(), a);
    EXPECT_FALSE(d->isSelected());
    EXPECT_FALSE(d->iconView()->isChecked());
    QTest::mousePress(a, Qt::RightButton, {}, QPoint(10, 5));
    EXPECT_EQ(spy.count(), 3);

    // By id, or by index with or without telling; unknown ids and indexes change nothing.
    accordion->setSelected(QStringLiteral("c"));
    EXPECT_EQ(spy.count(), 4);
    EXPECT_EQ(accordion->getSelected()->id(), "c");
    accordion->setSelected(1, false);
    EXPECT_EQ(spy.count(), 4);
    EXPECT_EQ(accordion->getSelected()->id(), "b");
    accordion->setSelected(1, true);
    accordion->setSelected(QStringLiteral("nope"));
    accordion->setSelected(-1, true);
    accordion->setSelected(4, true);
    EXPECT_EQ(spy.count(), 5);
    EXPECT_EQ(accordion->getSelected()->id(), "b");

    // Another accordion's component is not ours: ours are cleared, nobody is told.
    GuiAccordion other(Qt::Vertical);
    GuiAccordionComponent* foreign = other.addAccordionComponent("f", "F", blue, "", "");
    accordion->setSelected(*foreign, true);
    EXPECT_EQ(spy.count(), 5);
    EXPECT_EQ(accordion->getSelected(), nullptr);
}

TEST_F(GuiAccordionTest, ShowAndHideCountTheHiddenAndRemovingTheLastHidesTheAccordion)
{
    addFour();
    const int h = barHeight();
    resizeTo(3 * h); // a, b bars; c, d icons
    // Walking from the last back to "c": c and d are hidden.
    EXPECT_EQ(accordion->hideAccordionComponent("c"), 2);
    // From the last back to "a": c, d and a itself.
    EXPECT_EQ(accordion->hideAccordionComponent("a"), 3);
    EXPECT_TRUE(accordion->getAccordionComponent("a")->isHidden());
    EXPECT_TRUE(accordion->getAccordionComponent("a")->iconView()->isVisible());
    // Up to "d": a, c and d are hidden; d is shown afterwards and its icon goes.
    EXPECT_EQ(accordion->showAccordionComponent("d"), 3);
    EXPECT_FALSE(accordion->getAccordionComponent("d")->isHidden());
    EXPECT_TRUE(accordion->getAccordionComponent("d")->iconView()->isHidden());
    EXPECT_EQ(accordion->showAccordionComponent("b"), 1);
    EXPECT_EQ(accordion->showAccordionComponent("unknown"), 0);
    EXPECT_EQ(accordion->hideAccordionComponent("unknown"), 0);

    // Removing deletes bar and icon.
    QPointer<GuiAccordionComponent> b = accordion->getAccordionComponent("b");
    QPointer<GuiAccordionIconView> view = b->iconView();
    accordion->removeAccordionComponent("b");
    EXPECT_TRUE(b.isNull());
    EXPECT_TRUE(view.isNull());
    EXPECT_EQ(accordion->count(), 3);
    EXPECT_EQ(accordion->maximumHeight(), 4 * h);
    EXPECT_EQ(accordion->component(1)->id(), "c");
    accordion->removeAccordionComponent("never added");
    EXPECT_EQ(accordion->count(), 3);
    EXPECT_TRUE(accordion->isVisible());

    for (const char* id : { "a", "c", "d" })
        accordion->removeAccordionComponent(id);
    EXPECT_EQ(accordion->count(), 0);
    EXPECT_TRUE(accordion->isHidden());
    EXPECT_TRUE(accordion->iconComponent()->isHidden());

    // Adding again brings the icon row back.
    accordion->addAccordionComponent("e", "Again", blue, "", "");
    EXPECT_FALSE(accordion->iconComponent()->isHidden());
}

TEST_F(GuiAccordionTest, HoverAndSelectionPaintTheGlassAndTheElidedLabel)
{
    accordion->addAccordionComponent("a", "Model browser", blue, "", "");
    accordion->addAccordionComponent(
        "b", "A label far too long to fit into the narrow bar of this accordion", red, "", "");
    accordion->resize(160, 3 * barHeight());
    QApplication::processEvents();
    GuiAccordionComponent* a = accordion->component(0);
    GuiAccordionComponent* b = accordion->component(1);
    ASSERT_TRUE(a->isVisible() && b->isVisible());

    const QImage plain = a->grab().toImage();
    accordion->setSelected(0, false);
    const QImage selected = a->grab().toImage();
    EXPECT_NE(plain, selected);
    // The label is drawn in black right of the picture.
    const QRect textArea(24 + 2 + 4, 0, a->width() - 30, a->height());
    EXPECT_GT(darkPixels(selected, textArea), 10);

    QEvent enter(QEvent::Enter);
    QApplication::sendEvent(b, &enter);
    EXPECT_TRUE(b->isHovered());
    const QImage hovered = b->grab().toImage();
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(b, &leave);
    EXPECT_FALSE(b->isHovered());
    EXPECT_NE(hovered, b->grab().toImage());
    // The long label is cut, not drawn past the bar.
    const QImage long_ = b->grab().toImage();
    EXPECT_EQ(darkPixels(long_, QRect(long_.width() - 2, 0, 2, long_.height())), 0);
    EXPECT_GT(darkPixels(long_, QRect(30, 0, long_.width() - 32, long_.height())), 10);
}

} // namespace
