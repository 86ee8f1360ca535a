// The web browser control: its messages and its navigation hook.
#include "engine/VXWebBrowser.h"
#include "tests/support/TraceCapture.h"
#include "tests/support/WidgetTest.h"
#include "tests/textbrowser/BrowserTestSupport.h"
#include "vx_qtgui/textbrowser/GuiWebBrowser.h"

using namespace testing;
using namespace vxtest;

namespace {

class WebBrowserTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        m_web = own(bridge()->createWebBrowser(nullptr, "help-page"));
        m_log.watch(m_web, { WEBVelmarLinkEvent, WEBZVGRefreshEvent });
    }

    void navigate(const QString& url)
    {
        ASSERT_TRUE(onWidget<GuiWebBrowser>(m_web, [&](GuiWebBrowser* widget) {
            bool cancel = false;
            widget->onNavigate(QString(), url, cancel);
            EXPECT_FALSE(cancel);
        }));
    }

    EventLog m_log;
    VXWebBrowser* m_web = nullptr;
};

TEST_F(WebBrowserTest, HostSchemesBecomeEventsWithSchemeAndSlashesRemoved)
{
    navigate(QStringLiteral("velmar:///run%20model"));
    navigate(QStringLiteral("zvgrefresh://fig%201"));
    navigate(QStringLiteral("velmar:plain"));
    navigate(QStringLiteral("https://example.invalid/velmar:not"));
    navigate(QStringLiteral("Velmar:wrong-case"));
    deliverEvents();
    EXPECT_THAT(
        m_log.types(), ElementsAre(WEBVelmarLinkEvent, WEBZVGRefreshEvent, WEBVelmarLinkEvent));
    EXPECT_THAT(m_log.texts(), ElementsAre(u"run model", u"fig 1", u"plain"));
}

TEST_F(WebBrowserTest, TakesPartAsAPlainWidgetIgnoresAnAddressSetAndTracesEngineSignals)
{
    m_web->setUrl("x");
    EXPECT_EQ(m_web->getUrl(), "");
    m_web->setToolTip(u"Page");
    m_web->setMinimumSize(50, 40);
    m_web->setMaximumSize(500, 400);
    m_web->setVisible(true);
    m_web->setEnabled(false);
    EXPECT_TRUE(m_web->isVisible());
    EXPECT_FALSE(m_web->isEnabled());
    TraceCapture trace;
    ASSERT_TRUE(trace.start());
    ASSERT_TRUE(onWidget<GuiWebBrowser>(m_web, [&](GuiWebBrowser* widget) {
        EXPECT_EQ(widget->objectName(), QStringLiteral("help-page"));
        EXPECT_EQ(widget->toolTip(), QStringLiteral("Page"));
        EXPECT_EQ(widget->minimumSize(), QSize(50, 40));
        EXPECT_EQ(widget->maximumSize(), QSize(500, 400));
        widget->logSignal("DocumentComplete");
        widget->logSignal(nullptr);
    }));
    trace.stop();
    const QString content = trace.text();
    EXPECT_TRUE(content.contains("ActiveX Signal: DocumentComplete\nActiveX Signal: \n"))
        << content.toStdString();
}

} // namespace
