// The modal font and colour choosers, driven from the engine thread and answered on the GUI
// thread as a user would.
#include "engine/VXBridge.h"
#include "tests/support/AnswerNextDialog.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/QStringPrinter.h"
#include "tests/support/WidgetLeakTest.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QFontDialog>
#include <QListView>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using vxtest::answerNextDialog;

namespace {

class PickerServices : public vxtest::WidgetLeakTest {
protected:
    VXBridge* const m_bridge = vxtest::bridge();
};

TEST_F(PickerServices, ColourChosenComesBackAsFractionsAndNoneWhenCancelled)
{
    auto shown = std::make_shared<QColor>();
    auto title = std::make_shared<QString>();
    answerNextDialog<QColorDialog>([shown, title](QColorDialog* dialog) {
        *shown = dialog->currentColor();
        *title = dialog->windowTitle();
        dialog->setCurrentColor(QColor(51, 102, 204));
        dialog->accept();
    });
    const boost::optional<VRIX::Color> picked
        = m_bridge->m_pickColor(VRIX::Color::fromBytes(10, 20, 30), "Line colour");
    ASSERT_TRUE(picked);
    EXPECT_DOUBLE_EQ(picked->red(), 0.2);
    EXPECT_DOUBLE_EQ(picked->green(), 0.4);
    EXPECT_DOUBLE_EQ(picked->blue(), 0.8);
    EXPECT_DOUBLE_EQ(picked->alpha(), 1.0);
    EXPECT_EQ(*shown, QColor(10, 20, 30));
    EXPECT_EQ(*title, QStringLiteral("Line colour"));

    answerNextDialog<QColorDialog>([](QColorDialog* dialog) { dialog->reject(); });
    EXPECT_FALSE(m_bridge->m_pickColor(VRIX::Color(), "Cancel me"));
}

TEST_F(PickerServices, FontChosenComesBackInHostUnitsAndTheDefaultWhenCancelled)
{
    struct Seen {
        double size = 0;
        bool modal = false;
        bool filterEnabled = true;
        int listHeight = 0;
        int wanted = 0;
    };
    auto seen = std::make_shared<Seen>();
    answerNextDialog<QFontDialog>([seen](QFontDialog* dialog) {
        seen->size = dialog->currentFont().pointSizeF();
        seen->modal = dialog->windowModality() == Qt::ApplicationModal;
        if (auto* box = dialog->findChild<QCheckBox*>())
            seen->filterEnabled = box->isEnabled();
        if (auto* list = dialog->findChild<QListView*>()) {
            seen->listHeight = list->minimumHeight();
            seen->wanted = 9 * list->fontMetrics().lineSpacing();
        }
        QFont chosen = dialog->currentFont();
        chosen.setPointSize(20);
        chosen.setWeight(QFont::Bold);
        dialog->setCurrentFont(chosen);
        dialog->accept();
    });
    const VRIX::Font picked = m_bridge->m_pickFont(VRIX::Font("Sans", 13.0));
    EXPECT_DOUBLE_EQ(seen->size, 13.0);
    EXPECT_TRUE(seen->modal);
    EXPECT_FALSE(seen->filterEnabled);
    EXPECT_TRUE(seen->wanted > 0 && seen->listHeight >= seen->wanted)
        << seen->listHeight << " " << seen->wanted;
    EXPECT_DOUBLE_EQ(picked.size(), 20.0);
    EXPECT_STRNE(picked.familyName(), "");

    answerNextDialog<QFontDialog>([](QFontDialog* dialog) { dialog->reject(); });
    EXPECT_EQ(m_bridge->m_pickFont(VRIX::Font("Sans", 11.0)), VRIX::Font());
}

} // namespace
