// Untrusted host input: null strings, stale proxies, odd ranges, widgets already gone.
#include "engine/VXBridge.h"
#include "engine/VXEdit.h"
#include "engine/VXEditArea.h"
#include "engine/VXHyperLink.h"
#include "engine/VXImage.h"
#include "engine/VXSlider.h"
#include "engine/VXText.h"
#include "tests/bridge/BridgeTestEnvironment.h"
#include "tests/buttons/ButtonsTestSupport.h"
#include "tests/text/TextTestSupport.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiImage.h"
#include "vx_qtgui/GuiText.h"

#include <gtest/gtest.h>

#include <memory>

using vxtest::deliverEvents;
using vxtest::EventLog;
using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

class TextBadInputTest : public testing::Test {
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

TEST_F(TextBadInputTest, NullStringsAreEmptyTexts)
{
    std::unique_ptr<VXEdit> edit(
        vxtest::bridge()->createEdit(nullptr, static_cast<const char*>(nullptr)));
    std::unique_ptr<VXText> label(
        vxtest::bridge()->createTextBox(nullptr, static_cast<const char*>(nullptr)));
    std::unique_ptr<VXEditArea> area(vxtest::bridge()->createEditArea(nullptr));
    std::unique_ptr<VXImage> image(vxtest::bridge()->createImage(nullptr, nullptr, nullptr));
    std::unique_ptr<VXHyperLink> link(
        vxtest::bridge()->createHyperLink(nullptr, nullptr, static_cast<const char*>(nullptr)));
    std::unique_ptr<VXSlider> slider(vxtest::bridge()->createSlider(nullptr, nullptr));
    EventLog log;
    log.listenTo(edit.get(), { EDITTextChangedEvent });

    edit->setText("x");
    edit->imSetText(nullptr);
    edit->setPlaceholderText(nullptr);
    edit->setFont(nullptr, -1, -1, -1, -1);
    label->setText(static_cast<const char*>(nullptr));
    area->setText(nullptr);
    area->imSetText(nullptr);
    area->setFile(nullptr);
    image->setFilePath(nullptr);
    link->setURL(static_cast<const char*>(nullptr));

    EXPECT_EQ(edit->getTextU(), u"");
    EXPECT_EQ(edit->getPlaceholderText(), u"");
    EXPECT_EQ(label->getText(), u"");
    EXPECT_EQ(area->getText(), "");
    EXPECT_EQ(link->getURL(), u"");
    EXPECT_EQ(slider->value(), 0);
    deliverEvents();
    EXPECT_EQ(log.count(EDITTextChangedEvent), 1u) << "imSetText(null) empties the field";
    ASSERT_TRUE(
        runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiImage>(image.get())->size(), QSize(0, 0)); }));
}

TEST_F(TextBadInputTest, StaleBuddyAndLabelFindNothing)
{
    std::unique_ptr<VXText> label(vxtest::bridge()->createTextBox(nullptr, "&Key"));
    std::unique_ptr<VXEdit> edit(vxtest::bridge()->createEdit(nullptr, ""));
    VXText* stale = vxtest::bridge()->createTextBox(nullptr, "gone");
    edit->imGetPosition(); // the stale label exists on the GUI side now
    delete stale;
    label->assignBuddy(stale);
    const VRIX::VXPoint<int> none = edit->imFindLabelPosition(stale);
    EXPECT_EQ(none, VRIX::VXPoint<int>(0, 0));
    ASSERT_TRUE(runOnGuiThread([&] { widgetOf<GuiEdit>(edit.get())->move(7, 9); }));
    EXPECT_EQ(edit->imFindLabelPosition(nullptr), VRIX::VXPoint<int>(0, 0));
    EXPECT_EQ(edit->imGetPosition(), VRIX::VXPoint<int>(7, 9));
    label->setRect(3, 4, 50, 20);
    EXPECT_EQ(edit->imFindLabelPosition(label.get()), VRIX::VXPoint<int>(3, 4));
    ASSERT_TRUE(
        runOnGuiThread([&] { EXPECT_EQ(widgetOf<GuiText>(label.get())->buddy(), nullptr); }));
}

TEST_F(TextBadInputTest, SliderRangesAreKeptConsistent)
{
    std::unique_ptr<VXSlider> slider(vxtest::bridge()->createSlider(nullptr, "range"));
    EventLog log;
    log.listenTo(slider.get(), { SliderValueChangedEvent });
    slider->setMaxValue(10);
    slider->setValue(50);
    EXPECT_EQ(slider->value(), 10) << "values are clamped to the range";
    slider->setMinValue(20);
    EXPECT_EQ(slider->value(), 20) << "a minimum above the maximum moves both";
    slider->setTickInterval(-5);
    EXPECT_EQ(slider->value(), 20);
    deliverEvents();
    ASSERT_EQ(log.count(SliderValueChangedEvent), 2u);
    EXPECT_EQ(log.last(SliderValueChangedEvent).value, 20);
}

TEST_F(TextBadInputTest, OperationsAfterTheWidgetIsGoneAreHarmless)
{
    std::unique_ptr<VXEdit> edit(vxtest::bridge()->createEdit(nullptr, "abc"));
    std::unique_ptr<VXSlider> slider(vxtest::bridge()->createSlider(nullptr, "s"));
    std::unique_ptr<VXHyperLink> link(vxtest::bridge()->createHyperLink(nullptr, "a", "b"));
    EXPECT_EQ(edit->getTextU(), u"abc");
    const int before = vxtest::widgetCount();
    vxtest::bridge()->destroyWidget(edit.get());
    vxtest::bridge()->destroyWidget(slider.get());
    vxtest::bridge()->destroyWidget(link.get());
    EXPECT_EQ(vxtest::widgetCount(), before - 3);

    edit->setText("x");
    edit->imSetText("y");
    edit->setClearable(true);
    slider->setValue(3);
    link->click();
    EXPECT_EQ(edit->getTextU(), u"");
    EXPECT_FALSE(edit->getEchoMode());
    EXPECT_EQ(edit->imGetFontSize(), 0);
    EXPECT_EQ(edit->imGetPosition(), VRIX::VXPoint<int>(0, 0));
    EXPECT_EQ(slider->value(), 0);
    EXPECT_EQ(link->getURL(), u"");
    EXPECT_FALSE(link->isVisible());
}

} // namespace
