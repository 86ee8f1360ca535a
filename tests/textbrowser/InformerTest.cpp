// The informer: buffers, history, link schemes, push-pin and follow mode, driven by the host
// and used by the user.
#include "engine/VXTextBrowser.h"
#include "tests/support/WidgetTest.h"
#include "tests/textbrowser/BrowserTestSupport.h"
#include "vx_qtgui/HoverButton.h"
#include "vx_qtgui/textbrowser/GuiTextBrowser.h"
#include "vx_qtgui/textbrowser/TextBrowser.h"

#include <QAction>
#include <QFile>
#include <QTemporaryDir>

#include <list>

using namespace testing;
using namespace vxtest;

namespace {

const std::list<std::u16string> s_threeBuffers
    = { u"<p>first page</p>", u"<p>second page</p>", u"<p>third page</p>" };

class InformerTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        m_informer = own(bridge()->createTextBrowser(nullptr, "Informer"));
        m_log.watch(m_informer,
            { HYPClickedEvent, TBZVGRefreshClickedEvent, INFAlwaysOnTopToggleEvent,
                INFClickMenuClickedEvent, INFFocusMenuClickedEvent });
        m_informer->setRect(0, 0, 400, 300);
        m_informer->show();
        ASSERT_TRUE(m_informer->isVisible());
    }

    // GUI thread only.
    GuiTextBrowser* gui() const { return widgetOf<GuiTextBrowser>(m_informer); }
    QString shownText()
    {
        QString text;
        EXPECT_TRUE(runOnGuiThread([&] { text = gui()->view()->toPlainText(); }));
        return text;
    }

    EventLog m_log;
    VXTextBrowser* m_informer = nullptr;
};

TEST_F(InformerTest, BuffersShowOneAtATimeAndHistoryCrossesDocumentsUntilANewText)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile page(dir.filePath(QStringLiteral("page.html")));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><body><p>a document</p></body></html>");
    page.close();
    std::list<std::u16string> paths = { (dir.path() + QLatin1Char('/')).toStdU16String() };
    m_informer->setFilePath(paths);
    std::list<std::u16string> buffers = s_threeBuffers;
    m_informer->setBuffer(buffers);
    EXPECT_EQ(m_informer->getCurrentBuffer(), 0);
    std::list<std::u16string> read;
    m_informer->getBuffer(read);
    EXPECT_EQ(read, s_threeBuffers);

    m_informer->setSource(u"page.html");
    m_informer->setCurrentBuffer(1);
    m_informer->setCurrentBuffer(2);
    EXPECT_EQ(shownText(), QStringLiteral("second page"));
    EXPECT_EQ(m_informer->getCurrentBuffer(), 2);

    // The host rewrites the buffers; going back shows buffer 1 as it is now.
    std::list<std::u16string> rewritten = { u"<p>first, rewritten</p>", u"<p>second</p>" };
    m_informer->setBuffer(rewritten);
    read.clear();
    m_informer->getBuffer(read);
    EXPECT_EQ(read, rewritten) << "a new list replaces the old one";
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(gui()->backButton()->isEnabled());
        EXPECT_FALSE(gui()->forwardButton()->isEnabled());
        gui()->backButton()->click();
        EXPECT_EQ(gui()->view()->toPlainText(), QStringLiteral("first, rewritten"));
        EXPECT_TRUE(gui()->forwardButton()->isEnabled());
        gui()->backButton()->click();
        EXPECT_EQ(gui()->view()->toPlainText(), QStringLiteral("a document"));
        EXPECT_FALSE(gui()->backButton()->isEnabled());
        gui()->forwardButton()->click();
        EXPECT_EQ(gui()->view()->toPlainText(), QStringLiteral("first, rewritten"));
        gui()->forwardButton()->click();
        EXPECT_EQ(gui()->view()->toPlainText(), QStringLiteral("second"));
        EXPECT_FALSE(gui()->forwardButton()->isEnabled());
    }));
    EXPECT_EQ(m_informer->getCurrentBuffer(), 2);
    EXPECT_EQ(m_informer->getSource(), u"informer2");

    m_informer->setText("fresh"); // a new text starts a new history
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_FALSE(gui()->backButton()->isEnabled());
        EXPECT_FALSE(gui()->view()->isBackwardAvailable());
    }));
}

TEST_F(InformerTest, EachLinkSchemeBecomesItsEventWithTheExactString)
{
    std::list<std::u16string> buffers = s_threeBuffers;
    m_informer->setBuffer(buffers);
    m_informer->setText("<p><a href=\"velmar://doc/a\">doc</a> "
                        "<a href=\"velmar:plot(x,%20y)\">plot</a> "
                        "<a href=\"zvgrefresh:///figure/3\">refresh</a> "
                        "<a href=\"buffer://3\">third</a> "
                        "<a href=\"https://example.invalid/\">web</a></p>");
    const std::u16string before = m_informer->getSource();

    ASSERT_TRUE(runOnGuiThread([&] {
        TextBrowser* view = gui()->view();
        ASSERT_TRUE(clickLink(view, QStringLiteral("velmar://doc/a")));
        ASSERT_TRUE(clickLink(view, QStringLiteral("velmar:plot(x,%20y)")));
        ASSERT_TRUE(clickLink(view, QStringLiteral("zvgrefresh:///figure/3")));
        ASSERT_TRUE(clickLink(view, QStringLiteral("https://example.invalid/")));
    }));
    EXPECT_EQ(m_informer->getSource(), before) << "scheme and web links do not navigate";
    deliverEvents();
    EXPECT_THAT(
        m_log.types(), ElementsAre(HYPClickedEvent, HYPClickedEvent, TBZVGRefreshClickedEvent));
    EXPECT_THAT(m_log.texts(), ElementsAre(u"doc/a", u"plot(x, y)", u"figure/3"));

    // A buffer link navigates inside the view and tells the host nothing.
    ASSERT_TRUE(runOnGuiThread(
        [&] { ASSERT_TRUE(clickLink(gui()->view(), QStringLiteral("buffer://3"))); }));
    EXPECT_EQ(shownText(), QStringLiteral("third page"));
    EXPECT_EQ(m_informer->getCurrentBuffer(), 3);
    deliverEvents();
    EXPECT_EQ(m_log.events.size(), 3u);
}

TEST_F(InformerTest, PushPinAndFollowModeFollowTheirMenusReportUserActionsAndSitAtTheRight)
{
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(gui()->alwaysOnTopAction()->isChecked());
        EXPECT_TRUE(gui()->pushPinButton()->isChecked());
        // A click on the pin opens its menu (a modal loop); toggle it as the click would.
        ASSERT_NE(gui()->pushPinButton()->menu(), nullptr);
        gui()->pushPinButton()->toggle();
        EXPECT_FALSE(gui()->alwaysOnTopAction()->isChecked()) << "the menu follows the pin";
        gui()->alwaysOnTopAction()->trigger();
        EXPECT_TRUE(gui()->pushPinButton()->isChecked()) << "the pin follows the menu";

        EXPECT_TRUE(gui()->focusModeAction()->isChecked());
        gui()->clickModeAction()->trigger();
        EXPECT_TRUE(gui()->clickModeAction()->isChecked());
        EXPECT_FALSE(gui()->focusModeAction()->isChecked());
    }));
    // The host's own settings change both and report nothing, but a mode set is reported.
    m_informer->setAlwaysOnTop(false);
    m_informer->setMode(false);
    m_informer->setMode(true);
    EXPECT_TRUE(m_informer->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_FALSE(gui()->pushPinButton()->isChecked());
        EXPECT_FALSE(gui()->alwaysOnTopAction()->isChecked());
        EXPECT_TRUE(gui()->clickModeAction()->isChecked());
        EXPECT_FALSE(gui()->focusModeAction()->isChecked());
    }));
    deliverEvents();
    EXPECT_THAT(m_log.types(),
        ElementsAre(INFAlwaysOnTopToggleEvent, INFAlwaysOnTopToggleEvent, INFClickMenuClickedEvent,
            INFFocusMenuClickedEvent, INFClickMenuClickedEvent));
    EXPECT_THAT(m_log.states(), ElementsAre(false, true, _, _, _));

    // Both buttons sit at the right end of the tool bar after a resize.
    m_informer->setRect(0, 0, 520, 200);
    EXPECT_TRUE(m_informer->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] {
        QWidget* bar = gui()->toolBar();
        const HoverButton* pin = gui()->pushPinButton();
        const HoverButton* mode = gui()->modeButton();
        EXPECT_EQ(bar->width(), 520);
        EXPECT_EQ(pin->x() + pin->width(), bar->width());
        EXPECT_EQ(mode->x() + mode->width() + 1, pin->x());
        EXPECT_EQ(pin->y(), 0);
        EXPECT_EQ(mode->y(), 0);
    }));
}

TEST_F(InformerTest, PlainBrowserHasNoInformerPartsAndIgnoresMode)
{
    std::unique_ptr<VXTextBrowser> plain(bridge()->createTextBrowser(nullptr, "Help"));
    m_log.watch(plain.get(), { INFClickMenuClickedEvent, INFFocusMenuClickedEvent });
    plain->setMode(true);
    plain->setMode(false);
    plain->setAlwaysOnTop(true);
    EXPECT_TRUE(plain->isEnabled());
    ASSERT_TRUE(onWidget<GuiTextBrowser>(plain.get(), [&](GuiTextBrowser* widget) {
        EXPECT_FALSE(widget->isInformer());
        EXPECT_EQ(widget->pushPinButton(), nullptr);
        EXPECT_EQ(widget->modeButton(), nullptr);
    }));
    deliverEvents();
    EXPECT_TRUE(m_log.events.empty());
}

} // namespace
