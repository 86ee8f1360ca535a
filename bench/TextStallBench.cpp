// How long one host call holds the GUI thread when it hands Qt's text layout a long text: a
// text browser, an edit area and a message box given unbroken text (no space, no line end)
// of 100 KB to 10 MB, and an edit area told to read a device. The anchor is the same browser
// given 100 KB of ordinary words. Each op is the handler plus the layout it causes.
#include "RatioReporter.h"

#include "messaging/QtString2BoolMessage.h"
#include "messaging/QtStringMessage.h"
#include "vx_qtgui/GuiEditArea.h"
#include "vx_qtgui/MessageBoxManager.h"
#include "vx_qtgui/textbrowser/GuiTextBrowser.h"

#include <QApplication>
#include <QMessageBox>
#include <QTextDocument>
#include <QTextEdit>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

QString unbroken(int length)
{
    return QString(length, QLatin1Char('x'));
}

QString words(int length)
{
    QString text;
    text.reserve(length);
    while (text.size() < length)
        text += QStringLiteral("lorem ipsum dolor sit amet ");
    text.truncate(length);
    return text;
}

// The browser's document laid out completely, as showing it would.
void layOut(QTextEdit* view)
{
    benchmark::DoNotOptimize(view->document()->size());
    QApplication::processEvents();
}

void browserSetText(benchmark::State& state, const QString& text)
{
    int key = 0;
    GuiTextBrowser browser(&key, nullptr, QStringLiteral("bench"));
    QtMessage create(&key, BWSCreateMsg);
    browser.vxMessageNotify(BWSCreateMsg, &create);
    browser.resize(600, 400);
    browser.show();
    auto* view = browser.findChild<QTextEdit*>();
    for (auto _ : state) {
        QtStringMessage msg(&key, BWSSetTextMsg, text);
        browser.vxMessageNotify(BWSSetTextMsg, &msg);
        layOut(view);
    }
}

void BM_TextBrowserWords(benchmark::State& state)
{
    browserSetText(state, words(100000));
}

void BM_TextBrowserUnbroken(benchmark::State& state)
{
    browserSetText(state, unbroken(int(state.range(0))));
}

void editAreaApply(benchmark::State& state, VXMessageType type, const QString& argument)
{
    int key = 0;
    GuiEditArea area(&key, nullptr);
    area.resize(600, 400);
    area.show();
    for (auto _ : state) {
        QtStringMessage msg(&key, type, argument);
        area.vxMessageNotify(type, &msg);
        layOut(&area);
    }
}

void BM_EditAreaUnbroken(benchmark::State& state)
{
    editAreaApply(state, EDITAREASetTextMsg, unbroken(int(state.range(0))));
}

void BM_EditAreaReadsDevice(benchmark::State& state)
{
    editAreaApply(state, EDITAREASetFileMsg, QStringLiteral("/dev/zero"));
}

void BM_MessageBoxUnbroken(benchmark::State& state)
{
    const QString text = unbroken(int(state.range(0)));
    for (auto _ : state) {
        QtString2BoolMessage msg(nullptr, MSGBOXCreateInfoMsg);
        msg.m_string1 = QStringLiteral("Bench");
        msg.m_string2 = text;
        msg.m_bool = false;
        MessageBoxManager::Instance()->handleMessage(MSGBOXCreateInfoMsg, msg);
        QApplication::processEvents();
        state.PauseTiming();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* box = qobject_cast<QMessageBox*>(top))
                delete box;
        }
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_TextBrowserWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_TextBrowserUnbroken)
    ->Arg(100000)
    ->Arg(300000)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);
BENCHMARK(BM_EditAreaUnbroken)->Arg(10000000)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_EditAreaReadsDevice)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_MessageBoxUnbroken)
    ->Arg(1000000)
    ->Arg(10000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

namespace {
const bool kAnchors = [] {
    for (const char* name : { "BM_TextBrowserUnbroken", "BM_EditAreaUnbroken",
             "BM_EditAreaReadsDevice", "BM_MessageBoxUnbroken" })
        vxbench::RatioReporter::setAnchor(name, "BM_TextBrowserWords");
    return true;
}();
} // namespace
