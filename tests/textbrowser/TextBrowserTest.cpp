// The plain text browser: texts, search paths, tool bar and common messages, and bad input.
#include "vx_qtgui/textbrowser/TextBrowser.h"
#include "engine/HostFunctions.h"
#include "engine/VXTextBrowser.h"
#include "tests/support/WidgetTest.h"
#include "tests/textbrowser/BrowserTestSupport.h"
#include "vx_qtgui/HoverButton.h"
#include "vx_qtgui/textbrowser/GuiTextBrowser.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>
#include <list>

using namespace testing;
using namespace vxtest;

namespace {

class TextBrowserTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        m_browser = own(bridge()->createTextBrowser(nullptr, "Help"));
    }

    // GUI thread only.
    GuiTextBrowser* gui() const { return widgetOf<GuiTextBrowser>(m_browser); }

    VXTextBrowser* m_browser = nullptr;
};

TEST_F(TextBrowserTest, PlainTextComesBackPlainAndRichTextAsHtml)
{
    m_browser->setText("Two lines\nof plain text");
    EXPECT_EQ(m_browser->getTextU(), u"Two lines\nof plain text");
    char* eight = m_browser->getText();
    EXPECT_STREQ(eight, "Two lines\nof plain text");
    utFree(eight);

    m_browser->setTextU(u"<p>some <b>bold</b> words</p>");
    const std::u16string html = m_browser->getTextU();
    EXPECT_NE(html.find(u"<html>"), std::u16string::npos);
    EXPECT_NE(html.find(u"bold</span>"), std::u16string::npos);
    ASSERT_TRUE(runOnGuiThread(
        [&] { EXPECT_EQ(gui()->view()->toPlainText(), QStringLiteral("some bold words")); }));
}

TEST_F(TextBrowserTest, FileNameIsLookedUpInTheSearchPathsInOrder)
{
    QTemporaryDir first;
    QTemporaryDir second;
    ASSERT_TRUE(first.isValid() && second.isValid());
    QFile file(second.filePath(QStringLiteral("guide.html")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<p>from the second path</p>");
    file.close();
    std::list<std::u16string> paths = { (first.path() + QLatin1Char('/')).toStdU16String(),
        (second.path() + QLatin1Char('/')).toStdU16String() };
    m_browser->setFilePath(paths);
    std::list<std::u16string> read;
    m_browser->getFilePath(read);
    EXPECT_EQ(read, paths);

    m_browser->setSource(u"guide.html");
    const std::u16string source = m_browser->getSource();
    EXPECT_NE(source.find(second.path().toStdU16String()), std::u16string::npos);
    EXPECT_EQ(source.substr(source.size() - 10), u"guide.html");
    ASSERT_TRUE(runOnGuiThread(
        [&] { EXPECT_EQ(gui()->view()->toPlainText(), QStringLiteral("from the second path")); }));

    // A name found in no path, and web links, leave the view where it was.
    m_browser->setSource(u"missing.html");
    m_browser->setSource(u"http://example.invalid/");
    m_browser->setSource(u"www.example.invalid");
    EXPECT_EQ(m_browser->getSource(), source);
}

TEST_F(TextBrowserTest, ToolBarHelpAndCommonMessagesReachTheWidget)
{
    m_browser->setRect(10, 20, 300, 200);
    m_browser->setToolTip(u"Reference");
    m_browser->setForegroundColor(10, 20, 30);
    m_browser->setBackgroundColor(250, 240, 230);
    m_browser->setFont("", 15, -1, -1, -1);
    m_browser->setMinimumSize(120, 90);
    m_browser->enableHelp(true);
    m_browser->setToolBarVisible(false);
    m_browser->show();
    EXPECT_TRUE(m_browser->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] {
        GuiTextBrowser* widget = gui();
        EXPECT_EQ(widget->geometry(), QRect(10, 20, 300, 200));
        EXPECT_EQ(widget->toolTip(), QStringLiteral("Reference"));
        EXPECT_EQ(widget->minimumSize(), QSize(120, 90));
        EXPECT_TRUE(widget->homeButton()->isEnabled());
        EXPECT_FALSE(widget->toolBar()->isVisible());
        EXPECT_EQ(
            widget->view()->palette().color(QPalette::Active, QPalette::Text), QColor(10, 20, 30));
        EXPECT_EQ(widget->view()->palette().color(QPalette::Active, QPalette::Base),
            QColor(250, 240, 230));
        EXPECT_EQ(widget->view()->font().pointSize(), 15);
    }));
    m_browser->setToolBarVisible(true);
    m_browser->enableHelp(false);
    EXPECT_TRUE(m_browser->isVisible());
    ASSERT_TRUE(runOnGuiThread([&] {
        EXPECT_TRUE(gui()->toolBar()->isVisible());
        EXPECT_FALSE(gui()->homeButton()->isEnabled());
    }));
}

TEST_F(TextBrowserTest, EmptySourcesAnEmptyHistoryAndBadBuffersKeepWhatIsShown)
{
    std::list<std::u16string> none;
    m_browser->setBuffer(none);
    const struct {
        std::function<void()> act;
        const char* shown; // the view's plain text afterwards
    } steps[] = {
        { [&] { m_browser->setSource(u""); }, "" },
        { [&] { m_browser->reload(); }, "" },
        { [&] {
             std::list<std::u16string> withEmpty = { u"" };
             m_browser->setFilePath(withEmpty);
             m_browser->setSource(u"");
         },
            "" },
        { [&] {
             EXPECT_TRUE(m_browser->getSource().empty());
             EXPECT_TRUE(runOnGuiThread([&] {
                 // Back and forward with nothing recorded.
                 gui()->view()->backward();
                 gui()->view()->forward();
                 gui()->view()->home();
                 EXPECT_FALSE(gui()->backButton()->isEnabled());
                 EXPECT_FALSE(gui()->forwardButton()->isEnabled());
             }));
             m_browser->setCurrentBuffer(1);
         },
            "Invalid buffer 1" },
        { [&] { m_browser->setCurrentBuffer(-3); }, "Invalid buffer -3" },
        { [&] { m_browser->setSource(u"buffer:<b>x</b>"); }, "Invalid buffer <b>x</b>" },
    };
    for (const auto& step : steps) {
        step.act();
        EXPECT_EQ(m_browser->getCurrentBuffer(), 0);
        ASSERT_TRUE(runOnGuiThread([&] {
            EXPECT_EQ(gui()->view()->toPlainText(), QString::fromUtf8(step.shown))
                << "the text is shown, not interpreted";
        }));
    }
}

} // namespace
