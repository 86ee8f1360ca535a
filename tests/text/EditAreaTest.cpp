// Edit areas: Ctrl+Enter, silent and typed sets, and files shown with C source colouring.
#include "engine/VXEditArea.h"
#include "tests/support/WidgetTest.h"
#include "vx_qtgui/GuiEditArea.h"
#include "vx_qtgui/GuiEventTypes.h"

#include <QApplication>
#include <QFile>
#include <QSyntaxHighlighter>
#include <QTemporaryDir>
#include <QTextBlock>

#include <set>
#include <string>
#include <utility>

using namespace testing;
using namespace vxtest;

namespace {

class EditAreaTest : public WidgetLeakTest {
protected:
    void SetUp() override
    {
        WidgetLeakTest::SetUp();
        m_area = own(bridge()->createEditArea(nullptr));
        m_log.watch(m_area,
            { EDITAREACtrlEnterEvent, EDITAREATextChangedEvent, EDITAREAFocusLostEvent,
                EDITAREATextEditDoneEvent });
    }

    // The local 8-bit path of a new file in the test's folder.
    std::string writeFile(const char* name, const QByteArray& content)
    {
        const QString path = m_dir.filePath(QString::fromLatin1(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path.toLocal8Bit().toStdString();
    }

    VXEditArea* m_area = nullptr;
    EventLog m_log;
    QTemporaryDir m_dir;
};

TEST_F(EditAreaTest, CtrlReturnPostsTheTextAndInsertsNoLine)
{
    m_area->setText("one");
    ASSERT_TRUE(onWidget<GuiEditArea>(m_area, [&](GuiEditArea* widget) {
        widget->show();
        QApplication::setActiveWindow(widget);
        widget->setFocus();
        widget->moveCursor(QTextCursor::End);
        QTest::keyClick(widget, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(widget, Qt::Key_Enter, Qt::ControlModifier);
        EXPECT_EQ(widget->toPlainText(), QStringLiteral("one"));
        QTest::keyClick(widget, Qt::Key_Return);
        EXPECT_EQ(widget->toPlainText(), QStringLiteral("one\n")) << "plain Return is a line";
    }));
    deliverEvents();
    ASSERT_EQ(m_log.count(EDITAREACtrlEnterEvent), 2u);
    EXPECT_EQ(m_log.last(EDITAREACtrlEnterEvent).text8, "one");
    EXPECT_EQ(m_log.count(EDITAREATextChangedEvent), 1u) << "only the typed Return changed it";
}

TEST_F(EditAreaTest, PlainSetterIsSilentImSetterIsHeardAndEditDoneReportsTheEightBitText)
{
    m_area->setText("quiet");
    m_area->setWordWrap(false);
    m_area->setAutoFormatting(true);
    EXPECT_EQ(m_area->getText(), "quiet");
    deliverEvents();
    EXPECT_EQ(m_log.count(EDITAREATextChangedEvent), 0u);
    m_area->imSetText("loud");
    EXPECT_EQ(m_area->getText(), "loud");
    deliverEvents();
    EXPECT_GE(m_log.count(EDITAREATextChangedEvent), 1u);
    ASSERT_TRUE(onWidget<GuiEditArea>(m_area, [&](GuiEditArea* widget) {
        EXPECT_EQ(widget->wordWrapMode(), QTextOption::NoWrap);
        EXPECT_TRUE(widget->acceptRichText());
        EXPECT_TRUE(widget->tabChangesFocus());
        QEvent done(static_cast<QEvent::Type>(VRIX::TextEditDoneEventType()));
        EXPECT_TRUE(QApplication::sendEvent(widget, &done));
    }));
    deliverEvents();
    ASSERT_EQ(m_log.count(EDITAREATextEditDoneEvent), 1u);
    EXPECT_EQ(m_log.last(EDITAREATextEditDoneEvent).text8, "loud");
}

// Lines of the area's document that carry formats, and the colours they use. GUI thread.
std::pair<int, std::set<QRgb>> formatting(GuiEditArea* widget)
{
    std::pair<int, std::set<QRgb>> result;
    for (QTextBlock block = widget->document()->begin(); block.isValid(); block = block.next()) {
        const auto formats = block.layout()->formats();
        result.first += formats.isEmpty() ? 0 : 1;
        for (const auto& range : formats)
            result.second.insert(range.format.foreground().color().rgb());
    }
    return result;
}

TEST_F(EditAreaTest, CSourceFilesAreReadOnlyAndColouredOthersEditableAndMissingOnesIgnored)
{
    m_area->setFile(writeFile(
        "sample.cpp", "/* header */\n#include <stdio.h>\nint main(void)\n{\n    return 0;\n}\n")
                        .c_str());
    EXPECT_EQ(m_area->getText().rfind("/* header */", 0), 0u);
    ASSERT_TRUE(onWidget<GuiEditArea>(m_area, [&](GuiEditArea* widget) {
        EXPECT_TRUE(widget->isReadOnly());
        EXPECT_FALSE(widget->acceptRichText());
        const auto [formatted, colours] = formatting(widget);
        EXPECT_GE(formatted, 3) << "comment, directive and keyword lines carry formats";
        EXPECT_GE(colours.size(), 2u) << "comments and keywords differ in colour";
    }));
    // Another C file keeps one highlighter; a plain file after it is not coloured as C, and the
    // area stays read-only.
    m_area->setFile(writeFile("other.h", "/* again */\nint y;\n").c_str());
    ASSERT_TRUE(onWidget<GuiEditArea>(m_area, [&](GuiEditArea* widget) {
        EXPECT_EQ(widget->findChildren<QSyntaxHighlighter*>().size(), 1);
        EXPECT_GE(formatting(widget).first, 1);
    }));
    m_area->setFile(writeFile("notes.txt", "int x; /* not C here */\n").c_str());
    ASSERT_TRUE(onWidget<GuiEditArea>(m_area, [&](GuiEditArea* widget) {
        EXPECT_EQ(formatting(widget).first, 0);
        EXPECT_TRUE(widget->isReadOnly());
    }));

    VXEditArea* plain = own(bridge()->createEditArea(nullptr)); // a C file left its mark
    plain->setFile(writeFile("notes.txt", "int x; /* not C here */\n").c_str());
    EXPECT_EQ(plain->getText(), "int x; /* not C here */\n");
    plain->setFile(m_dir.filePath(QStringLiteral("absent.c")).toLocal8Bit().constData());
    EXPECT_EQ(plain->getText(), "int x; /* not C here */\n");
    ASSERT_TRUE(onWidget<GuiEditArea>(plain, [&](GuiEditArea* widget) {
        EXPECT_FALSE(widget->isReadOnly());
        EXPECT_EQ(formatting(widget).first, 0);
    }));
}

} // namespace
