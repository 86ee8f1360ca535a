// Text labels: ampersands, buddies and context-menu requests.
#include "engine/VXBridge.h"
#include "engine/VXEdit.h"
#include "engine/VXText.h"
#include "tests/bridge/BridgeTestEnvironment.h"
#include "tests/buttons/ButtonsTestSupport.h"
#include "tests/text/TextTestSupport.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiText.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QContextMenuEvent>

#include <memory>

using vxtest::deliverEvents;
using vxtest::EventLog;
using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

class TextLabelTest : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(vxtest::bridge(), nullptr);
        deliverEvents();
        m_startCount = vxtest::widgetCount();
    }

    void TearDown() override
    {
        deliverEvents();
        EXPECT_EQ(vxtest::widgetCount(), m_startCount) << "a widget outlived its peer";
    }

    int m_startCount = 0;
};

TEST_F(TextLabelTest, AmpersandShowsWithoutABuddyAndMarksTheMnemonicWithOne)
{
    std::unique_ptr<VXText> label(vxtest::bridge()->createTextBox(nullptr, "Salt & pepper"));
    EXPECT_EQ(label->getText(), u"Salt && pepper") << "the creation text shows its ampersand";
    label->setText("&Name");
    EXPECT_EQ(label->getText(), u"&&Name");

    std::unique_ptr<VXEdit> edit(vxtest::bridge()->createEdit(nullptr, ""));
    label->assignBuddy(edit.get());
    label->setText(u"&Name");
    EXPECT_EQ(label->getText(), u"&Name");
    ASSERT_TRUE(runOnGuiThread([&] {
        auto* widget = widgetOf<GuiText>(label.get());
        EXPECT_EQ(widget->buddy(), widgetOf<GuiEdit>(edit.get()));
        EXPECT_EQ(widget->alignment(), Qt::AlignLeft | Qt::AlignVCenter);
    }));

    label->assignBuddy(nullptr);
    label->setText("&Name");
    EXPECT_EQ(label->getText(), u"&&Name") << "an unknown buddy clears the buddy";
}

TEST_F(TextLabelTest, ContextMenuRequestIsPostedAndFontSizeReadBack)
{
    std::unique_ptr<VXText> label(vxtest::bridge()->createTextBox(nullptr, u"Label"));
    EventLog log;
    log.listenTo(label.get(), { ContextMenuEvent });
    label->setFont("", 13, -1, -1, -1);
    label->setWordWrap(true);
    EXPECT_EQ(label->getFontSize(), 13);
    ASSERT_TRUE(runOnGuiThread([&] {
        auto* widget = widgetOf<GuiText>(label.get());
        EXPECT_TRUE(widget->wordWrap());
        QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(1, 1));
        QApplication::sendEvent(widget, &request);
    }));
    deliverEvents();
    EXPECT_EQ(log.count(ContextMenuEvent), 1u);
}

} // namespace
