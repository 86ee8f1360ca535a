#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "tests/support/AnswerNextDialog.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/WidgetLeakTest.h"
#include "vx_qtgui/GuiLookup.h"
#include "vx_qtgui/GuiObject.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>

using testing::ElementsAre;

namespace {

// What another library registers for an engine-side object: a widget boxes can open over.
class OwnerWidget : public QWidget, public GuiObject {
public:
    void* peerKey() const override { return nullptr; }
    void vxMessageNotify(VXMessageType, QtMessage*) override { }
    void doSetWidgetHighlight(bool, int, int, int, int) override { }
    bool doIsWidgetHighlighted() const override { return false; }
};

struct BoxView {
    bool found = false;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QString text;
    QWidget* parent = nullptr;
    QStringList buttons;
    QString defaultButton;
};

BoxView describe(QMessageBox* box)
{
    BoxView view;
    view.found = true;
    view.icon = box->icon();
    view.text = box->text();
    view.parent = box->parentWidget();
    for (QAbstractButton* button : box->buttons())
        view.buttons << button->text();
    if (QPushButton* def = box->defaultButton())
        view.defaultButton = def->text();
    return view;
}

// GUI thread: the open non-blocking box with this title.
BoxView findBox(const QString& title)
{
    BoxView view;
    vxtest::runOnGuiThread([&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box && box->windowTitle() == title && box->isVisible())
                view = describe(box);
        }
    });
    return view;
}

class MessageBoxTest : public vxtest::WidgetLeakTest {
protected:
    VXBridge* const m_bridge = vxtest::bridge();
};

// Kept first in this file: the handle counter is process-wide and starts at 0.
TEST_F(MessageBoxTest, BoxesGetHandlesInOrderAndAreCountedOverTheirOwner)
{
    VXButton owner(nullptr);
    VXButton unregistered(nullptr);
    const unsigned ownerId = owner.getUID();
    OwnerWidget* ownerWidget = nullptr;
    ASSERT_TRUE(vxtest::runOnGuiThread([&] {
        ownerWidget = new OwnerWidget;
        VRIX::addObject(ownerId, ownerWidget);
    }));

    EXPECT_EQ(
        m_bridge->errorMessage(nullptr, "Errors found", "  one   two \n\n three  ", false), 0);
    EXPECT_EQ(m_bridge->warningMessage(&owner, "Careful", "w", false), 1);
    EXPECT_EQ(m_bridge->infoMessage(&owner, u"Note", u"<b>i</b>", true), 2);

    EXPECT_EQ(m_bridge->getNumOfOpenMsgBox(&owner), 2);
    EXPECT_EQ(m_bridge->getNumOfOpenMsgBox(nullptr), 0) << "a box without owner is never counted";
    EXPECT_EQ(m_bridge->getNumOfOpenMsgBox(&unregistered), 0);

    const struct {
        const char* title;
        QMessageBox::Icon icon;
        QWidget* parent;
    } boxes[] = { { "Errors found", QMessageBox::Critical, nullptr },
        { "Careful", QMessageBox::Warning, ownerWidget },
        { "Note", QMessageBox::Information, ownerWidget } };
    for (const auto& box : boxes) {
        const BoxView view = findBox(box.title);
        ASSERT_TRUE(view.found) << box.title;
        EXPECT_EQ(view.icon, box.icon) << box.title;
        EXPECT_EQ(view.parent, box.parent) << box.title;
    }
    const BoxView error = findBox("Errors found");
    EXPECT_EQ(error.text, "one two three");
    EXPECT_THAT(error.buttons, ElementsAre("OK"));

    for (int handle : { 1, 1, 0, 0, 12345 })
        m_bridge->closeMessageBox(handle);
    EXPECT_EQ(m_bridge->getNumOfOpenMsgBox(&owner), 1);
    EXPECT_FALSE(findBox("Careful").found);
    EXPECT_FALSE(findBox("Errors found").found);
    EXPECT_TRUE(findBox("Note").found) << "closing other handles leaves this box open";

    m_bridge->closeMessageBox(2);
    EXPECT_EQ(m_bridge->getNumOfOpenMsgBox(&owner), 0);
    EXPECT_EQ(m_bridge->warningMessage(nullptr, "Again", "x", false), 3)
        << "handles are not reused";
    m_bridge->closeMessageBox(3);

    ASSERT_TRUE(vxtest::runOnGuiThread([&] {
        VRIX::removeObject(ownerId);
        delete ownerWidget;
    }));
}

TEST_F(MessageBoxTest, AlertReturnsTheClickedButtonsNumberWithItsIconAndDefault)
{
    struct Case {
        std::u16string title;
        std::u16string first; // the other buttons are "B" and "C"
        QMessageBox::Icon icon;
        QStringList buttons;
    };
    for (const Case& c : { Case { u"Choose", u"", QMessageBox::Information, { "B", "C" } },
             Case { u"warning: disk full", u"A", QMessageBox::Warning, { "A", "B", "C" } },
             Case { u"Errors occurred", u"A", QMessageBox::Critical, { "A", "B", "C" } },
             Case { u"Warn", u"A", QMessageBox::Information, { "A", "B", "C" } } }) {
        SCOPED_TRACE(QString::fromStdU16String(c.title).toStdString());
        // The GUI thread records the modal alert and clicks "B" while the engine thread waits.
        auto seen = std::make_shared<BoxView>(); // outlives the test if the alert never comes
        vxtest::answerNextDialog<QMessageBox>([seen](QMessageBox* box) {
            *seen = describe(box);
            for (QAbstractButton* button : box->buttons()) {
                if (button->text() == "B")
                    button->click();
            }
        });
        const int result = c.first.empty() // through the 8-bit form
            ? m_bridge->showModalAlert(
                nullptr, "Choose", u"  pick \n\n  one  ", "", "B", "C", 3, "")
            : m_bridge->showModalAlertU(
                nullptr, c.title, u"  pick \n\n  one  ", c.first, u"B", u"C", 3, u"");
        EXPECT_EQ(result, 2);
        EXPECT_EQ(seen->icon, c.icon);
        EXPECT_EQ(seen->buttons, c.buttons);
        EXPECT_EQ(seen->defaultButton, "C");
        EXPECT_EQ(seen->text, "pick one");
    }
}

} // namespace
