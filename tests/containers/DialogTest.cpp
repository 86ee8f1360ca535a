// Dialogs driven by the host through the bridge: geometry and title, the close paths,
// modality and a layout as parent.
#include "engine/VXButton.h"
#include "engine/VXDialog.h"
#include "engine/VXGridLayout.h"
#include "engine/VXPanel.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiDialog.h"

#include <QApplication>
#include <QLayout>

using namespace testing;
using namespace vxtest;

namespace {

class DialogTest : public WidgetLeakTest {
protected:
    std::unique_ptr<VXDialog> makeDialog(unsigned flags = 0)
    {
        std::unique_ptr<VXDialog> dialog(bridge()->createDialog(flags));
        dialog->addEventListener(&m_closes, DLGCloseEvent);
        return dialog;
    }

    EventLog m_closes;
};

TEST_F(DialogTest, ClientGeometryAndSimplifiedTitleAsAskedAndChildrenInTheWindow)
{
    auto dialog = makeDialog();
    VXButton* ok = bridge()->createButton(dialog.get(), "OK");
    dialog->setTitle("  Grid \n of  buttons ");
    dialog->setClientGeometry(40, 50, 400, 120);
    dialog->show();

    EXPECT_TRUE(dialog->isVisible());
    const VRIX::VXRect<int> client = dialog->getClientGeometry();
    EXPECT_EQ(client, VRIX::VXRect<int>(40, 50, 400, 120));
    EXPECT_GE(dialog->getGeometry().width(), client.width());
    EXPECT_EQ(dialog->getTitle(), u"Grid of buttons") << "the title is whitespace-simplified";
    ASSERT_TRUE(onWidget<GuiDialog>(dialog.get(),
        [&](GuiDialog* window) { EXPECT_EQ(widgetOf<GuiButton>(ok)->parentWidget(), window); }));
}

TEST_F(DialogTest, EscapeAndAcceleratorsAskTheHostAndTheWindowButtonCloses)
{
    auto dialog = makeDialog();
    dialog->show();
    ASSERT_TRUE(dialog->isVisible());
    // The shortcut serves the dialog while it or a child has the focus.
    ASSERT_TRUE(onFocusedWidget<GuiDialog>(
        dialog.get(), [](GuiDialog* window) { QTest::keyClick(window, Qt::Key_Escape); }));
    deliverEvents();
    EXPECT_THAT(m_closes.values(), ElementsAre(1));
    EXPECT_THAT(m_closes.states(), ElementsAre(false));
    EXPECT_TRUE(dialog->isVisible()) << "the host decides whether to close";

    dialog->ignoreESC(true);
    ASSERT_TRUE(onWidget<GuiDialog>(dialog.get(), [&](GuiDialog* window) {
        EXPECT_FALSE(window->isEscapeEnabled());
        QTest::keyClick(window, Qt::Key_Escape);
    }));
    dialog->sendKeyAccel(5);
    dialog->sendKeyAccel(6);
    EXPECT_TRUE(dialog->isVisible());
    deliverEvents();
    EXPECT_THAT(m_closes.values(), ElementsAre(1, 1))
        << "Escape ignored, accelerator 5 asks, 6 not";

    ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiDialog>(dialog.get())->close(); }));
    deliverEvents();
    EXPECT_THAT(m_closes.values(), ElementsAre(1, 1, 0));
    EXPECT_THAT(m_closes.states(), ElementsAre(false, false, true)) << "the window button closes";
    EXPECT_FALSE(dialog->isVisible());
}

TEST_F(DialogTest, ModalDialogBlocksNeitherTheHostNorItsOwnControls)
{
    auto dialog = makeDialog();
    VXButton* inside = bridge()->createButton(dialog.get(), "Inside");
    EventLog presses;
    inside->addEventListener(&presses, ButtonPressEvent);
    auto other = std::unique_ptr<VXPanel>(bridge()->createPanel());
    other->show();
    dialog->setModal(true);
    dialog->show();

    // Showing returned at once and the GUI thread still answers the engine thread.
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_TRUE(other->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(QApplication::activeModalWidget(), widgetOf<GuiDialog>(dialog.get()));
        QTest::mouseClick(widgetOf<GuiButton>(inside), Qt::LeftButton);
    }));
    deliverEvents();
    EXPECT_THAT(presses.values(), ElementsAre(0)) << "controls in the modal dialog still work";

    // A modal dialog is closed first and deleted later.
    const int withDialog = bridge()->getHashedSize();
    dialog.reset();
    EXPECT_TRUE(pumpUntil([&] { return bridge()->getHashedSize() == withDialog - 2; }));
    ASSERT_TRUE(runOnGuiThread([] { EXPECT_EQ(QApplication::activeModalWidget(), nullptr); }));
}

TEST_F(DialogTest, ALayoutIsNoContainerForTheWidgetsBuiltOnIt)
{
    auto dialog = makeDialog();
    auto* grid = bridge()->createGridLayout(dialog.get(), 1, 1);
    VXButton* orphan = bridge()->createButton(grid, "Orphan");
    grid->addWidget(nullptr, 0, 0, 0);
    grid->addLayout(grid, 0, 0, 0, 0, 0);
    ASSERT_TRUE(runOnGuiThread([&] {
        ASSERT_NE(widgetOf<GuiButton>(orphan), nullptr);
        EXPECT_EQ(widgetOf<GuiButton>(orphan)->parentWidget(), nullptr);
        EXPECT_EQ(widgetOf<GuiDialog>(dialog.get())->layout()->count(), 0);
    }));
    // The orphan had no Qt parent: it goes with its proxy, a child of the layout's proxy.
    const int before = widgetCount();
    bridge()->destroyWidget(dialog.get());
    EXPECT_LT(widgetCount(), before);
}

TEST_F(DialogTest, CreationFlagsGiveTheHintsAndATransientDialogAsksToApplyOnDeactivation)
{
    auto dialog = makeDialog(0x0002);
    auto other = makeDialog(0x0002 | 0x0100 | 0x0200);
    EventLog applies;
    dialog->addEventListener(&applies, DLGApplyCloseEvent);
    const Qt::WindowFlags hints
        = Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint;
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_EQ(widgetOf<GuiDialog>(dialog.get())->windowFlags() & hints,
            Qt::WindowFlags(Qt::WindowCloseButtonHint));
        EXPECT_EQ(widgetOf<GuiDialog>(other.get())->windowFlags() & hints, hints);
    }));
    EXPECT_FALSE(dialog->isWindowTransient());
    dialog->setWindowTransient(true);
    dialog->show();
    other->show();
    EXPECT_TRUE(dialog->isVisible());
    const auto activate = [&](VXDialog* which) {
        ASSERT_TRUE(onWidget<GuiDialog>(which, [&](GuiDialog* window) {
            window->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }));
    };
    activate(dialog.get());
    deliverEvents();
    const std::size_t before = applies.values().size();
    activate(other.get());
    deliverEvents();
    EXPECT_EQ(applies.values().size(), before + 1) << "losing activation asks once";

    dialog->setWindowTransient(false);
    activate(dialog.get());
    activate(other.get());
    deliverEvents();
    EXPECT_EQ(applies.values().size(), before + 1) << "not after the flag is cleared";

    dialog->setWindowFrameless(true);
    EXPECT_TRUE(dialog->isWindowFrameless());
    EXPECT_TRUE(dialog->isWindowTransient()) << "a frameless dialog is transient";
    dialog->setWindowTransient(false);
    EXPECT_FALSE(dialog->isWindowTransient());
    EXPECT_TRUE(dialog->isWindowFrameless()) << "the window flags are not restored";
}

} // namespace
