// Texts through the real bridge, held to GuiLimits; the time those limits save is measured in
// bench/TextStallBench.cpp.
#include "engine/VXCheckBox.h"
#include "engine/VXEdit.h"
#include "engine/VXEditArea.h"
#include "engine/VXTab.h"
#include "engine/VXTabBar.h"
#include "engine/VXTextBrowser.h"
#include "engine/VXWindow.h"
#include "tests/support/TraceCapture.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiLimits.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <functional>
#include <string>
#include <utility>

using namespace testing;
using namespace vxtest;

namespace {

constexpr char16_t kZeroWidthSpace = 0x200B;

// The longest stretch of `text` without a space, hyphen or zero-width space.
int longestRun(const std::u16string& text)
{
    int longest = 0;
    int run = 0;
    for (char16_t c : text) {
        run = (c == u' ' || c == u'\n' || c == u'-' || c == kZeroWidthSpace) ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return longest;
}

int zeroWidthSpaces(const std::u16string& text)
{
    return int(std::count(text.begin(), text.end(), kZeroWidthSpace));
}

class TextContentTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(m_trace.start());
    }
    void TearDown() override
    {
        m_trace.stop();
        WidgetLeakTest::TearDown();
    }
    QString trace()
    {
        widgetCount(); // everything posted before has run
        return m_trace.text();
    }
    QTemporaryDir m_dir; // the files the tests read
    TraceCapture m_trace;
};

TEST_F(TextContentTest, UtfSixteenTextsKeepTheirNulCharacters)
{
    const std::u16string text(u"before\0after", 12);
    ASSERT_EQ(text.size(), 12u);
    const std::pair<const char*, std::function<std::u16string()>> rows[] = {
        { "window_title",
            [&] {
                VXWindow* w = own(bridge()->createWindow(0));
                w->setTitle(text);
                return w->getTitleU();
            } },
        { "edit_text",
            [&] {
                VXEdit* e = own(bridge()->createEdit(nullptr, "e"));
                e->setTextU(text);
                return e->getTextU();
            } },
        { "check_box_label",
            [&] {
                VXCheckBox* c = own(bridge()->createCheckBox(nullptr, "c"));
                c->setLabel(text);
                return c->getLabel();
            } },
        { "tab_name",
            [&] {
                VXTab* tab = own(bridge()->createTab(own(bridge()->createTabBar(nullptr))));
                tab->setName(text);
                return tab->getName();
            } },
        { "browser_text",
            [&] {
                VXTextBrowser* b = own(bridge()->createTextBrowser(nullptr, "b"));
                b->setTextU(text);
                return b->getTextU();
            } },
    };
    for (const auto& [name, roundTrip] : rows)
        EXPECT_EQ(roundTrip(), text) << name;
}

struct TextCase {
    const char* name;
    int length;
    const char16_t* unit; // repeated to the length
    int expectedBreaks; // zero-width spaces the view must hold
    bool cut;
};

const TextCase kTexts[] = {
    { "words_untouched", 100000, u"lorem ipsum ", 0, false },
    { "run_at_the_limit_untouched", GuiLimits::MaxUnbrokenRun, u"x", 0, false },
    { "run_one_past_the_limit_broken", GuiLimits::MaxUnbrokenRun + 1, u"x", 1, false },
    { "unbroken_300k_broken", 300000, u"x", (300000 - 1) / GuiLimits::MaxUnbrokenRun, false },
    { "unbroken_10m_cut_and_broken", 10000000, u"x",
        (GuiLimits::MaxDocumentChars - 1) / GuiLimits::MaxUnbrokenRun, true },
};

std::u16string repeated(const TextCase& row)
{
    std::u16string text;
    while (text.size() < std::size_t(row.length))
        text += row.unit;
    text.resize(std::size_t(row.length));
    return text;
}

TEST_F(TextContentTest, BrowserTextIsCutAndBrokenAsTheLimitsSay)
{
    VXTextBrowser* browser = own(bridge()->createTextBrowser(nullptr, "long"));
    for (const TextCase& row : kTexts) {
        const std::u16string given = repeated(row);
        browser->setTextU(given);
        const std::u16string shown = browser->getTextU();
        EXPECT_LE(longestRun(shown), GuiLimits::MaxUnbrokenRun) << row.name;
        EXPECT_EQ(zeroWidthSpaces(shown), row.expectedBreaks) << row.name;
        const std::size_t kept = shown.size() - std::size_t(zeroWidthSpaces(shown));
        EXPECT_EQ(kept, row.cut ? std::size_t(GuiLimits::MaxDocumentChars) : given.size())
            << row.name;
    }
    const QString log = trace();
    EXPECT_TRUE(log.contains(QStringLiteral("text cut - 126 ")) || log.contains("text cut - 125 "))
        << log.left(2000).toStdString();
    EXPECT_TRUE(log.contains(QStringLiteral("text broken - ")));
}

TEST_F(TextContentTest, EditAreaReadsOnlyRegularFilesWithinTheLimit)
{
    const QString small = m_dir.filePath("small.txt");
    const QString large = m_dir.filePath("large.txt");
    {
        QFile file(small);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("hello file");
        QFile big(large);
        ASSERT_TRUE(big.open(QIODevice::WriteOnly));
        ASSERT_TRUE(big.resize(GuiLimits::MaxFileBytes + 1)); // sparse: no real write
    }
    struct FileCase {
        QString path;
        std::string expected; // the area's text afterwards
        const char* logged; // in the refusal line, or null when read
    };
    const FileCase cases[] = {
        { small, "hello file", nullptr },
        { QStringLiteral("/dev/zero"), "", "is not a regular file" },
        { m_dir.path(), "", "is not a regular file" },
        { large, "", "more than" },
        { m_dir.filePath("missing"), "", "does not exist" },
    };
    for (const FileCase& row : cases) {
        VXEditArea* area = own(bridge()->createEditArea(nullptr));
        area->setFile(row.path.toLocal8Bit().constData());
        EXPECT_EQ(area->getText(), row.expected) << row.path.toStdString();
        const QString log = trace();
        if (row.logged) {
            const QRegularExpression line(QStringLiteral("file refused - 359 [^\n]*: ")
                + QRegularExpression::escape(row.path) + QStringLiteral(" [^\n]*")
                + QRegularExpression::escape(QString::fromLatin1(row.logged)));
            EXPECT_TRUE(log.contains(line)) << row.path.toStdString();
        }
    }
}

TEST_F(TextContentTest, MessageBoxTextIsCutToTheLabelLimit)
{
    const std::u16string text(1000000, u'x');
    const int handle = bridge()->infoMessage(nullptr, u"Long", text, false);
    ASSERT_GE(handle, 0);
    int shown = -1;
    int breaks = -1;
    ASSERT_TRUE(runOnGuiThread([&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(window);
                box && box->windowTitle() == QLatin1String("Long")) {
                shown = box->text().size();
                breaks = box->text().count(QChar(kZeroWidthSpace));
            }
        }
    }));
    bridge()->closeMessageBox(handle);
    EXPECT_EQ(shown - breaks, GuiLimits::MaxLabelChars);
    EXPECT_EQ(breaks, (GuiLimits::MaxLabelChars - 1) / GuiLimits::MaxUnbrokenRun);
    EXPECT_TRUE(trace().contains(QStringLiteral("text cut - 409 ")));
}

} // namespace
