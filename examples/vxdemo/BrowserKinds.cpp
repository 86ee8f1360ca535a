#include "examples/vxdemo/BrowserKinds.h"

#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "engine/VXTextBrowser.h"
#include "engine/VXWebBrowser.h"
#include "examples/vxdemo/CommonProperties.h"
#include "examples/vxdemo/KindTable.h"

#include <list>

using demotext::quoted;

namespace {

std::list<std::u16string> textList(const CommandLine& a)
{
    std::list<std::u16string> texts;
    for (std::size_t i = 0; i < a.size(); ++i)
        texts.push_back(a.text(i, "text"));
    return texts;
}

Kind textBrowser()
{
    Kind kind("textbrowser", "[name]  (name \"Informer\" gives the informer)",
        [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
            return bridge.createTextBrowser(parent, a.wordOr(0).c_str());
        });
    kind.set<VXTextBrowser>("rect", "<x> <y> <width> <height>",
            [](VXTextBrowser& b, const CommandLine& a) {
                b.setRect(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                    a.integer(3, "height"));
            })
        .set<VXTextBrowser>("text", "<html>",
            [](VXTextBrowser& b, const CommandLine& a) { b.setTextU(a.text(0, "html")); })
        .set<VXTextBrowser>("source", "<path or url>",
            [](VXTextBrowser& b, const CommandLine& a) { b.setSource(a.text(0, "source")); })
        .set<VXTextBrowser>("buffers", "<html>...",
            [](VXTextBrowser& b, const CommandLine& a) {
                std::list<std::u16string> buffers = textList(a);
                b.setBuffer(buffers);
            })
        .set<VXTextBrowser>("buffer", "<number>",
            [](VXTextBrowser& b, const CommandLine& a) {
                b.setCurrentBuffer(a.integer(0, "number"));
            })
        .set<VXTextBrowser>("ontop", "on|off",
            [](VXTextBrowser& b, const CommandLine& a) { b.setAlwaysOnTop(a.flag(0, "on|off")); })
        .set<VXTextBrowser>("clickmode", "on|off",
            [](VXTextBrowser& b, const CommandLine& a) { b.setMode(a.flag(0, "on|off")); })
        .set<VXTextBrowser>("toolbar", "on|off",
            [](VXTextBrowser& b, const CommandLine& a) {
                if (a.flag(0, "on|off"))
                    b.showToolBar();
                else
                    b.hideToolBar();
            })
        .set<VXTextBrowser>("font", "<family> <points>",
            [](VXTextBrowser& b, const CommandLine& a) {
                b.setFont(a.word(0, "family").c_str(), a.integer(1, "points"), -1, -1, -1);
            })
        .get<VXTextBrowser>("source", [](VXTextBrowser& b) { return quoted(b.getSource()); })
        .get<VXTextBrowser>("text", [](VXTextBrowser& b) { return quoted(b.getTextU()); })
        .get<VXTextBrowser>(
            "buffer", [](VXTextBrowser& b) { return std::to_string(b.getCurrentBuffer()); })
        .act<VXTextBrowser>("reload", "", [](VXTextBrowser& b, const CommandLine&) { b.reload(); });
    return kind;
}

Kind webBrowser()
{
    Kind kind("webbrowser", "[name]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createWebBrowser(parent, a.wordOr(0).c_str());
    });
    kind.set<VXWebBrowser>("url", "<url>",
            [](VXWebBrowser& w, const CommandLine& a) { w.setUrl(a.word(0, "url")); })
        .get<VXWebBrowser>("url", [](VXWebBrowser& w) { return quoted(w.getUrl()); });
    return kind;
}

} // namespace

void BrowserKinds::addTo(KindTable& table)
{
    table.add(textBrowser());
    table.add(webBrowser());
}
