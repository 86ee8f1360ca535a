#include "engine/HostFunctions.h"
#include "engine/VXAction.h"
#include "engine/VXBridge.h"
#include "engine/VXButton.h"
#include "engine/VXComboBox.h"
#include "engine/VXDialog.h"
#include "engine/VXEdit.h"
#include "engine/VXEditArea.h"
#include "engine/VXGroupBox.h"
#include "engine/VXHyperLink.h"
#include "engine/VXImage.h"
#include "engine/VXPopupMenu.h"
#include "engine/VXRadioButton.h"
#include "engine/VXSlider.h"
#include "engine/VXText.h"
#include "engine/VXTextBrowser.h"
#include "engine/VXWebBrowser.h"
#include "messaging/QtAction.h"
#include "messaging/QtButton.h"
#include "messaging/QtComboBox.h"
#include "messaging/QtDialog.h"
#include "messaging/QtEdit.h"
#include "messaging/QtHyperLink.h"
#include "messaging/QtSlider.h"
#include "messaging/QtTextBrowser.h"
#include "messaging/QtWebBrowser.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "tests/support/EventLog.h"
#include "tests/support/WidgetLeakTest.h"
#include "vx_qtgui/GuiButton.h"
#include "vx_qtgui/GuiImage.h"
#include "vx_qtgui/GuiPopupMenu.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <list>
#include <memory>
#include <string>
#include <vector>

using testing::ElementsAre;
using vxtest::bridge;
using vxtest::deliverEvents;
using vxtest::EventLog;
using vxtest::runOnGuiThread;
using vxtest::widgetOf;

namespace {

const char* const kNull = nullptr;

// One widget kind: how the host makes it and what it does with it. `make` builds through the
// bridge, `makeBare` builds the peer alone (no widget ever exists for it), `exercise` calls
// setters and user-like operations, then checks the getters. `events` are listened to; `raised`
// is how many of them `exercise` raises while the widget lives.
struct Kind {
    const char* name;
    std::function<VXWidget*()> make;
    std::function<VXWidget*()> makeBare;
    std::function<void(VXWidget*)> exercise;
    std::vector<VXEventType> events;
    std::size_t raised = 0;
};

template <class P> std::function<void(VXWidget*)> as(std::function<void(P&)> body)
{
    return [body](VXWidget* w) { body(*static_cast<P*>(w)); };
}

std::string kindName(const testing::TestParamInfo<Kind>& info)
{
    return info.param.name;
}

// ----- A peer without a widget: setters are dropped, getters answer empty, nothing is raised.

const std::vector<Kind>& peersWithoutWidget()
{
    static const std::vector<Kind> kinds = {
        { "Button", [] { return bridge()->createButton(nullptr, "b"); },
            [] { return new QtButton(nullptr); }, as<VXButton>([](VXButton& b) {
                b.setToolTip(u"lost");
                b.show();
                b.click();
                EXPECT_FALSE(b.isVisible());
                EXPECT_FALSE(b.isEnabled());
                EXPECT_TRUE(b.imGetToolTip().empty());
            }),
            { ButtonPressEvent } },
        { "Edit", [] { return bridge()->createEdit(nullptr, "abc"); },
            [] { return new QtEdit(nullptr); }, as<VXEdit>([](VXEdit& e) {
                e.setText("x");
                e.imSetText("y");
                e.setClearable(true);
                EXPECT_EQ(e.getTextU(), u"");
                EXPECT_FALSE(e.getEchoMode());
                EXPECT_EQ(e.imGetFontSize(), 0);
                EXPECT_EQ(e.imGetPosition(), VRIX::VXPoint<int>(0, 0));
            }),
            { EDITTextChangedEvent } },
        { "Slider", [] { return bridge()->createSlider(nullptr, "s"); },
            [] { return new QtSlider(nullptr); }, as<VXSlider>([](VXSlider& s) {
                s.setValue(3);
                EXPECT_EQ(s.value(), 0);
            }),
            { SliderValueChangedEvent } },
        { "HyperLink", [] { return bridge()->createHyperLink(nullptr, "a", "b"); },
            [] { return new QtHyperLink(nullptr); }, as<VXHyperLink>([](VXHyperLink& l) {
                l.click();
                EXPECT_EQ(l.getURL(), u"");
                EXPECT_FALSE(l.isVisible());
            }),
            { HYPClickedEvent } },
        { "Dialog", [] { return bridge()->createDialog(0); }, [] { return new QtDialog(); },
            as<VXDialog>([](VXDialog& d) {
                d.setTitle("gone");
                d.show();
                EXPECT_EQ(d.getTitle(), u"");
                EXPECT_FALSE(d.isVisible());
                EXPECT_EQ(d.getGeometry(), VRIX::VXRect<int>());
                EXPECT_FALSE(d.isWindowTransient());
            }),
            { DLGCloseEvent } },
        { "Action",
            [] {
                return bridge()->createAction(nullptr, 7, "run()", "Run", "Ctrl+R", "", "Runs it",
                    "", "", true, false, true, true);
            },
            [] { return new QtAction(nullptr, 1, u"none", false, false); },
            as<VXAction>([](VXAction& a) {
                a.setText(u"late");
                a.trigger();
                a.toggle();
                EXPECT_TRUE(a.getText().empty());
                EXPECT_FALSE(a.isEnabled());
                EXPECT_FALSE(a.isOn());
                EXPECT_TRUE(a.getAccel().empty());
            }),
            { ActionTriggered, ActionToggled } },
        { "ComboBox", [] { return bridge()->createComboBox(nullptr, u"box"); },
            [] { return new QtComboBox(nullptr); }, as<VXComboBox>([](VXComboBox& c) {
                c.insertItem(u"late", -1);
                c.imSelect(0);
                c.imSelectByString(u"late");
                EXPECT_EQ(c.getCurrentItem(), 0);
                EXPECT_TRUE(c.getCurrentTextU().empty());
                EXPECT_TRUE(c.getCurrentText().empty());
                std::vector<std::u16string> items;
                c.imGetAllItems(items);
                EXPECT_TRUE(items.empty());
                EXPECT_FALSE(c.isEditable());
                EXPECT_EQ(c.imGetPosition(), VRIX::VXPoint<int>());
            }),
            { CMBSelectionChangedEvent } },
        { "TextBrowser", [] { return bridge()->createTextBrowser(nullptr, "Help"); },
            [] { return new QtTextBrowser(nullptr); }, as<VXTextBrowser>([](VXTextBrowser& t) {
                t.setTextU(u"lost");
                std::list<std::u16string> buffers = { u"lost" };
                t.setBuffer(buffers);
                t.setCurrentBuffer(1);
                EXPECT_EQ(t.getText(), nullptr);
                EXPECT_TRUE(t.getTextU().empty());
                EXPECT_TRUE(t.getSource().empty());
                EXPECT_EQ(t.getCurrentBuffer(), 0);
                EXPECT_FALSE(t.isVisible());
                std::list<std::u16string> read;
                t.getBuffer(read);
                t.getFilePath(read);
                EXPECT_TRUE(read.empty());
            }),
            { HYPClickedEvent } },
        { "WebBrowser", [] { return bridge()->createWebBrowser(nullptr, "page"); },
            [] { return new QtWebBrowser(nullptr); }, as<VXWebBrowser>([](VXWebBrowser& w) {
                w.setUrl("velmar:x");
                w.show();
                EXPECT_EQ(w.getUrl(), "");
                EXPECT_FALSE(w.isVisible());
                EXPECT_FALSE(w.isEnabled());
            }),
            { WEBVelmarLinkEvent } },
    };
    return kinds;
}

class PeerWithoutWidgetTest : public vxtest::WidgetLeakTest,
                              public testing::WithParamInterface<Kind> {
protected:
    void check(VXWidget* peer)
    {
        EventLog log;
        log.watch(peer, GetParam().events);
        GetParam().exercise(peer);
        deliverEvents();
        EXPECT_TRUE(log.events.empty());
    }
};

TEST_P(PeerWithoutWidgetTest, PeerWhoseWidgetIsGoneAnswersEmpty)
{
    std::unique_ptr<VXWidget> peer(GetParam().make());
    ASSERT_NE(peer, nullptr);
    const int before = vxtest::widgetCount();
    EXPECT_EQ(bridge()->destroyWidget(peer.get()), 0);
    EXPECT_EQ(vxtest::widgetCount(), before - 1);
    check(peer.get());
    bridge()->destroyWidget(peer.get());
    EXPECT_EQ(vxtest::widgetCount(), before - 1) << "a second destroy finds nothing";
}

TEST_P(PeerWithoutWidgetTest, PeerNeverBuiltByTheBridgeAnswersEmpty)
{
    std::unique_ptr<VXWidget> peer(GetParam().makeBare());
    check(peer.get());
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, PeerWithoutWidgetTest, testing::ValuesIn(peersWithoutWidget()), kindName);

// ----- Null texts at creation and in setters are empty texts; the widget still answers.

const std::vector<Kind>& nullTexts()
{
    static const std::vector<Kind> kinds = {
        { "Button", [] { return bridge()->createButton(nullptr, kNull); }, {},
            as<VXButton>([](VXButton& b) {
                b.setLabel(kNull);
                b.setIcon(nullptr);
                b.setFont(nullptr, 12, 0, 0, 0);
                EXPECT_TRUE(b.isEnabled()) << "the GUI side still answers after the bad input";
                ASSERT_TRUE(runOnGuiThread(
                    [&] { EXPECT_TRUE(widgetOf<GuiButton>(&b)->text().isEmpty()); }));
            }),
            {} },
        { "RadioButton", [] { return bridge()->createRadioButton(nullptr); }, {},
            as<VXRadioButton>([](VXRadioButton& r) {
                r.setLabel("Right");
                r.setLabel(kNull);
                EXPECT_EQ(r.getLabel(), u"");
            }),
            {} },
        { "Edit", [] { return bridge()->createEdit(nullptr, kNull); }, {},
            as<VXEdit>([](VXEdit& e) {
                e.setText("x");
                e.imSetText(nullptr);
                e.setPlaceholderText(nullptr);
                e.setFont(nullptr, -1, -1, -1, -1);
                EXPECT_EQ(e.getTextU(), u"");
                EXPECT_EQ(e.getPlaceholderText(), u"");
            }),
            { EDITTextChangedEvent }, 1 }, // imSetText(null) empties the field
        { "TextBox", [] { return bridge()->createTextBox(nullptr, kNull); }, {},
            as<VXText>([](VXText& t) {
                t.setText(kNull);
                EXPECT_EQ(t.getText(), u"");
            }),
            {} },
        { "EditArea", [] { return bridge()->createEditArea(nullptr); }, {},
            as<VXEditArea>([](VXEditArea& a) {
                a.setText(nullptr);
                a.imSetText(nullptr);
                a.setFile(nullptr);
                EXPECT_EQ(a.getText(), "");
            }),
            {} },
        { "Image", [] { return bridge()->createImage(nullptr, nullptr, nullptr); }, {},
            as<VXImage>([](VXImage& i) {
                i.setFilePath(nullptr);
                ASSERT_TRUE(runOnGuiThread(
                    [&] { EXPECT_EQ(widgetOf<GuiImage>(&i)->size(), QSize(0, 0)); }));
            }),
            {} },
        { "HyperLink", [] { return bridge()->createHyperLink(nullptr, nullptr, kNull); }, {},
            as<VXHyperLink>([](VXHyperLink& l) {
                l.setURL(kNull);
                EXPECT_EQ(l.getURL(), u"");
            }),
            {} },
        { "Slider", [] { return bridge()->createSlider(nullptr, nullptr); }, {},
            as<VXSlider>([](VXSlider& s) { EXPECT_EQ(s.value(), 0); }), {} },
        { "Dialog", [] { return bridge()->createDialog(0); }, {}, as<VXDialog>([](VXDialog& d) {
             d.setTitle(kNull);
             d.setIcon(nullptr);
             EXPECT_EQ(d.getTitle(), u"");
         }),
            {} },
        { "GroupBox", [] { return bridge()->createGroupBox(nullptr, nullptr); }, {},
            as<VXGroupBox>([](VXGroupBox& g) { EXPECT_EQ(g.getTitle(), ""); }), {} },
        { "Action",
            [] {
                return bridge()->createAction(nullptr, 7, "run()", nullptr, nullptr, "", "Runs it",
                    "", "", false, false, true, true);
            },
            {}, as<VXAction>([](VXAction& a) { EXPECT_TRUE(a.getText().empty()); }), {} },
        { "ComboBox", [] { return bridge()->createComboBox(nullptr, u"box"); }, {},
            as<VXComboBox>([](VXComboBox& c) {
                c.insertItem(u"only", -1);
                c.insertItem(kNull, -1);
                c.setCurrentText(kNull);
                c.imSelectByString(kNull);
                std::vector<std::u16string> items;
                c.imGetAllItems(items);
                EXPECT_THAT(items, ElementsAre(u"only", u""));
            }),
            { CMBSelectionChangedEvent } },
        { "PopupMenu", [] { return bridge()->createPopupMenu(nullptr); }, {},
            as<VXPopupMenu>([](VXPopupMenu& m) {
                m.setFont(nullptr, 15, -1, -1, -1);
                vxtest::widgetCount(); // a send: the posted font has been applied
                ASSERT_TRUE(runOnGuiThread(
                    [&] { EXPECT_EQ(widgetOf<GuiPopupMenu>(&m)->font().pointSize(), 15); }));
            }),
            {} },
        { "TextBrowser", [] { return bridge()->createTextBrowser(nullptr, "Help"); }, {},
            as<VXTextBrowser>([](VXTextBrowser& t) {
                t.setText(nullptr);
                t.setExtensionType(nullptr, nullptr);
                t.setFont(nullptr, -1, -1, -1, -1);
                EXPECT_EQ(t.getTextU(), u"");
                char* eight = t.getText();
                ASSERT_NE(eight, nullptr);
                EXPECT_STREQ(eight, "");
                utFree(eight);
            }),
            {} },
    };
    return kinds;
}

class NullTextTest : public vxtest::WidgetLeakTest, public testing::WithParamInterface<Kind> { };

TEST_P(NullTextTest, NullTextsAreEmptyTexts)
{
    std::unique_ptr<VXWidget> widget(GetParam().make());
    ASSERT_NE(widget, nullptr);
    EventLog log;
    log.watch(widget.get(), GetParam().events);
    GetParam().exercise(widget.get());
    deliverEvents();
    EXPECT_EQ(log.events.size(), GetParam().raised);
}

INSTANTIATE_TEST_SUITE_P(EveryKind, NullTextTest, testing::ValuesIn(nullTexts()), kindName);

} // namespace
