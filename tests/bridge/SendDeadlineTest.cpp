#include "engine/VXBridge.h"
#include "engine/VXEdit.h"
#include "engine/VXPopupMenu.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/GuiThreadRunner.h"
#include "tests/support/WidgetLeakTest.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <future>
#include <memory>
#include <thread>

using vxtest::bridge;

namespace {

// Keeps the GUI thread inside one handler until destroyed. The handler is posted from a thread
// of its own through the test runner's hand-off; the futures tell the thread sanitizer of the
// ordering (Qt's own queue it cannot see).
class GuiHold {
public:
    GuiHold()
        : m_poster([this] {
            vxtest::runOnGuiThread([this] {
                m_held.set_value();
                m_released.wait();
            });
        })
    {
        m_isHeld.wait();
    }
    // Returns once the handler has left, so it never touches a destroyed hold.
    ~GuiHold()
    {
        m_release.set_value();
        m_poster.join();
    }

private:
    std::promise<void> m_held;
    std::promise<void> m_release;
    std::future<void> m_isHeld = m_held.get_future();
    std::future<void> m_released = m_release.get_future();
    std::thread m_poster;
};

bool popupOpen()
{
    bool open = false;
    vxtest::runOnGuiThread([&] { open = QApplication::activePopupWidget() != nullptr; });
    return open;
}

class SendDeadlineTest : public vxtest::WidgetLeakTest {
protected:
    void TearDown() override
    {
        bridge()->setSendDeadline(0);
        vxtest::WidgetLeakTest::TearDown();
    }
};

TEST_F(SendDeadlineTest, ASendPastItsDeadlineFailsAndTheNextOneIsAnswered)
{
    std::unique_ptr<VXEdit> edit(bridge()->createEdit(nullptr, "kept"));
    EXPECT_EQ(bridge()->sendDeadline(), 0);
    bridge()->setSendDeadline(-5);
    EXPECT_EQ(bridge()->sendDeadline(), 0);
    bridge()->setSendDeadline(50);
    {
        GuiHold hold;
        // Both the reply-carrying getter and the plain result give up while the GUI is held.
        EXPECT_EQ(edit->getTextU(), u"");
        EXPECT_EQ(edit->imGetFontSize(), 0);
    }
    // The late answers went into records the abandoned messages still hold, nowhere else.
    EXPECT_EQ(edit->getTextU(), u"kept");
    EXPECT_GT(edit->imGetFontSize(), 0);
}

TEST_F(SendDeadlineTest, ANestedMenuLoopHoldsSendsUntilItCloses)
{
    std::unique_ptr<VXEdit> edit(bridge()->createEdit(nullptr, "menu"));
    std::unique_ptr<VXPopupMenu> extra(bridge()->createPopupMenu(nullptr));
    edit->show();
    edit->setCustomContextMenu(extra.get());
    ASSERT_TRUE(vxtest::pumpUntil(popupOpen));

    // With a deadline the host gets the failure result while the menu is open.
    bridge()->setSendDeadline(50);
    EXPECT_EQ(edit->getTextU(), u"");
    EXPECT_TRUE(popupOpen());

    // Without one the send is answered once a user (here a timer) closes the menu.
    bridge()->setSendDeadline(0);
    vxtest::runOnGuiThread([] {
        QTimer::singleShot(100, [] {
            if (QWidget* popup = QApplication::activePopupWidget())
                popup->close();
        });
    });
    EXPECT_EQ(edit->getTextU(), u"menu");
    EXPECT_FALSE(popupOpen());
}

} // namespace
