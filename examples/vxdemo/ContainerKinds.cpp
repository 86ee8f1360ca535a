#include "examples/vxdemo/ContainerKinds.h"

#include "engine/VXBridge.h"
#include "engine/VXDialog.h"
#include "engine/VXGridLayout.h"
#include "engine/VXGroupBox.h"
#include "engine/VXHBoxLayout.h"
#include "engine/VXPanel.h"
#include "engine/VXScrollView.h"
#include "engine/VXSplitter.h"
#include "engine/VXTab.h"
#include "engine/VXTabBar.h"
#include "engine/VXTogglePanel.h"
#include "engine/VXVBoxLayout.h"
#include "engine/VXWidgetStack.h"
#include "engine/VXWindow.h"
#include "examples/vxdemo/CommonProperties.h"
#include "examples/vxdemo/KindTable.h"
#include "vrix/Color.h"

#include <vector>

using demotext::onOff;
using demotext::quoted;

namespace {

std::string rectText(const VRIX::VXRect<int>& r)
{
    return std::to_string(r.left()) + ' ' + std::to_string(r.top()) + ' '
        + std::to_string(r.width()) + ' ' + std::to_string(r.height());
}

VRIX::Color colorArgument(const CommandLine& a)
{
    return VRIX::Color::fromBytes(a.integer(0, "red"), a.integer(1, "green"), a.integer(2, "blue"));
}

Kind dialog()
{
    Kind kind("dialog", "[title]", [](VXBridge& bridge, VXWidget*, const CommandLine& a) {
        VXDialog* made = bridge.createDialog(0);
        if (made && a.size())
            made->setTitle(a.text(0, "title"));
        return made;
    });
    kind.set<VXDialog>("title", "<text>",
            [](VXDialog& d, const CommandLine& a) { d.setTitle(a.text(0, "title")); })
        .set<VXDialog>("modal", "on|off",
            [](VXDialog& d, const CommandLine& a) { d.setModal(a.flag(0, "on|off")); })
        .set<VXDialog>("geometry", "<x> <y> <width> <height>",
            [](VXDialog& d, const CommandLine& a) {
                d.setGeometry(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                    a.integer(3, "height"));
            })
        .set<VXDialog>("client", "<x> <y> <width> <height>",
            [](VXDialog& d, const CommandLine& a) {
                d.setClientGeometry(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                    a.integer(3, "height"));
            })
        .set<VXDialog>("move", "<x> <y>",
            [](VXDialog& d, const CommandLine& a) { d.move(a.integer(0, "x"), a.integer(1, "y")); })
        .set<VXDialog>("ignoreesc", "on|off",
            [](VXDialog& d, const CommandLine& a) { d.ignoreESC(a.flag(0, "on|off")); })
        .set<VXDialog>("resizeevents", "on|off",
            [](VXDialog& d, const CommandLine& a) { d.monitorResize(a.flag(0, "on|off")); })
        .get<VXDialog>("title", [](VXDialog& d) { return quoted(d.getTitle()); })
        .get<VXDialog>("geometry", [](VXDialog& d) { return rectText(d.getGeometry()); })
        .get<VXDialog>("client", [](VXDialog& d) { return rectText(d.getClientGeometry()); })
        .get<VXDialog>("visible", [](VXDialog& d) { return onOff(d.isVisible()); })
        .get<VXDialog>("background",
            [](VXDialog& d) {
                double r = 0, g = 0, b = 0;
                const bool known = d.getBackgroundColor(r, g, b);
                return demotext::color(known, r, g, b);
            })
        .act<VXDialog>("key", "<accelerator number>",
            [](VXDialog& d, const CommandLine& a) { d.sendKeyAccel(a.integer(0, "accelerator")); });
    return kind;
}

Kind window(const ContainerKinds::Lookup& lookup)
{
    Kind kind("window", "[title]", [](VXBridge& bridge, VXWidget*, const CommandLine& a) {
        VXWindow* made = bridge.createWindow(0);
        if (made && a.size())
            made->setTitle(a.text(0, "title"));
        return made;
    });
    kind.set<VXWindow>("title", "<text>",
            [](VXWindow& w, const CommandLine& a) { w.setTitle(a.text(0, "title")); })
        .set<VXWindow>("position", "<x> <y> <width> <height>",
            [](VXWindow& w, const CommandLine& a) {
                w.setPosition(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                    a.integer(3, "height"));
            })
        .set<VXWindow>("central", "<child>",
            [lookup](VXWindow& w, const CommandLine& a) {
                w.setCentralWidget(lookup(a.word(0, "child")));
            })
        .set<VXWindow>("statusbar", "on|off",
            [](VXWindow& w, const CommandLine& a) { w.showStatusBarEmitter(a.flag(0, "on|off")); })
        .set<VXWindow>("status", "<message>",
            [](VXWindow& w, const CommandLine& a) {
                w.showStatusBarMessageEmitter(a.word(0, "message"));
            })
        .set<VXWindow>("background", "<red> <green> <blue>",
            [](VXWindow& w, const CommandLine& a) {
                w.setBackgroundColorEmitter(colorArgument(a));
            })
        .set<VXWindow>("icon", "<path>",
            [](VXWindow& w, const CommandLine& a) { w.setIconEmitter(a.word(0, "path")); })
        .set<VXWindow>("state", "<saved state>",
            [](VXWindow& w, const CommandLine& a) { w.setStateEmitter(a.word(0, "state")); })
        .get<VXWindow>("title", [](VXWindow& w) { return quoted(w.getTitleU()); })
        .get<VXWindow>("position", [](VXWindow& w) { return rectText(w.getPosition()); })
        .get<VXWindow>("state", [](VXWindow& w) { return quoted(w.getStateEmitter()); });
    return kind;
}

Kind panel()
{
    Kind kind("panel", "[name]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return parent ? bridge.createPanel(parent, a.wordOr(0).c_str()) : bridge.createPanel();
    });
    kind.set<VXPanel>("rect", "<x> <y> <width> <height>",
            [](VXPanel& p, const CommandLine& a) {
                p.setRect(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                    a.integer(3, "height"));
            })
        .set<VXPanel>("background", "<red> <green> <blue>",
            [](VXPanel& p, const CommandLine& a) {
                p.setBackgroundColor(
                    a.integer(0, "red"), a.integer(1, "green"), a.integer(2, "blue"));
            })
        .get<VXPanel>("visible", [](VXPanel& p) { return onOff(p.isVisible()); });
    return kind;
}

Kind groupBox()
{
    Kind kind("groupbox", "[title]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        return bridge.createGroupBox(parent, a.size() ? a.text(0, "title") : std::u16string());
    });
    kind.set<VXGroupBox>("title", "<text>",
            [](VXGroupBox& g, const CommandLine& a) { g.setTitle(a.text(0, "title")); })
        .set<VXGroupBox>("flat", "on|off",
            [](VXGroupBox& g, const CommandLine& a) { g.setFlat(a.flag(0, "on|off")); })
        .get<VXGroupBox>("title", [](VXGroupBox& g) { return quoted(g.getTitle()); });
    return kind;
}

Kind togglePanel()
{
    Kind kind(
        "togglepanel", "[title]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
            return bridge.createTogglePanel(parent, a.wordOr(0).c_str());
        });
    kind.set<VXTogglePanel>(
        "rect", "<x> <y> <width> <height>", [](VXTogglePanel& p, const CommandLine& a) {
            p.setRect(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                a.integer(3, "height"));
        });
    return kind;
}

Kind scrollView(const ContainerKinds::Lookup& lookup)
{
    Kind kind("scrollview", "", [](VXBridge& bridge, VXWidget* parent, const CommandLine&) {
        return bridge.createScrollView(parent);
    });
    kind.set<VXScrollView>("content", "<child>",
            [lookup](
                VXScrollView& s, const CommandLine& a) { s.addWidget(lookup(a.word(0, "child"))); })
        .get<VXScrollView>(
            "vscroll", [](VXScrollView& s) { return onOff(s.isVScrollBarVisible()); })
        .get<VXScrollView>(
            "hscroll", [](VXScrollView& s) { return onOff(s.isHScrollBarVisible()); });
    return kind;
}

Kind widgetStack(const ContainerKinds::Lookup& lookup)
{
    Kind kind("stack", "", [](VXBridge& bridge, VXWidget* parent, const CommandLine&) {
        return bridge.createWidgetStack(parent);
    });
    kind.set<VXWidgetStack>("add", "<page> <id>",
            [lookup](VXWidgetStack& s, const CommandLine& a) {
                s.addWidget(lookup(a.word(0, "page")), a.integer(1, "id"));
            })
        .set<VXWidgetStack>("raise", "<id>",
            [](VXWidgetStack& s, const CommandLine& a) { s.raiseWidget(a.integer(0, "id")); })
        .get<VXWidgetStack>(
            "current", [](VXWidgetStack& s) { return std::to_string(s.getCurrentWidgetId()); });
    return kind;
}

Kind splitter()
{
    Kind kind("splitter", "[HORIZONTAL|VERTICAL] [name]",
        [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
            const std::string orientation = a.wordOr(0, "HORIZONTAL");
            return bridge.createSplitter(parent, orientation.c_str(), a.wordOr(1).c_str());
        });
    kind.set<VXSplitter>("sizes", "<size>...",
            [](VXSplitter& s, const CommandLine& a) {
                std::vector<int> sizes;
                for (std::size_t i = 0; i < a.size(); ++i)
                    sizes.push_back(a.integer(i, "size"));
                s.setSizesEmitter(sizes);
            })
        .set<VXSplitter>("stretch", "<index> <factor>",
            [](VXSplitter& s, const CommandLine& a) {
                s.setStretchFactorEmitter(a.integer(0, "index"), a.integer(1, "factor"));
            })
        .set<VXSplitter>("vertical", "on|off",
            [](VXSplitter& s, const CommandLine& a) {
                s.setOrientationEmitter(a.flag(0, "on|off") ? VRIX::Vertical : VRIX::Horizontal);
            })
        .set<VXSplitter>(
            "background", "<red> <green> <blue>", [](VXSplitter& s, const CommandLine& a) {
                s.setBackgroundColorEmitter(colorArgument(a));
            });
    return kind;
}

Kind tab()
{
    Kind kind("tab", "[name]", [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) {
        VXTab* made = bridge.createTab(parent);
        if (made && a.size())
            made->setName(a.text(0, "name"));
        return made;
    });
    kind.set<VXTab>(
            "name", "<text>", [](VXTab& t, const CommandLine& a) { t.setName(a.text(0, "name")); })
        .get<VXTab>("name", [](VXTab& t) { return quoted(t.getName()); });
    return kind;
}

Kind tabBar(const ContainerKinds::Lookup& lookup)
{
    Kind kind("tabbar", "", [](VXBridge& bridge, VXWidget* parent, const CommandLine&) {
        return bridge.createTabBar(parent);
    });
    kind.set<VXTabBar>("add", "<tab>",
            [lookup](VXTabBar& b, const CommandLine& a) {
                b.addTab(dynamic_cast<VXTab*>(lookup(a.word(0, "tab"))));
            })
        .set<VXTabBar>("current", "<index>",
            [](VXTabBar& b, const CommandLine& a) { b.setCurrentTab(a.integer(0, "index")); })
        .set<VXTabBar>("top", "on|off",
            [](VXTabBar& b, const CommandLine& a) { b.setTabPosition(a.flag(0, "on|off")); })
        .get<VXTabBar>("current", [](VXTabBar& b) { return std::to_string(b.getCurrentTab()); })
        .act<VXTabBar>("select", "<index>",
            [](VXTabBar& b, const CommandLine& a) { b.imSetCurrentTab(a.integer(0, "index")); });
    return kind;
}

Kind gridLayout(const ContainerKinds::Lookup& lookup)
{
    Kind kind("grid", "<rows> <columns>",
        [](VXBridge& bridge, VXWidget* parent, const CommandLine& a) -> VXWidget* {
            const int rows = a.integer(0, "rows");
            const int columns = a.integer(1, "columns");
            if (parent)
                return bridge.createGridLayout(parent, rows, columns);
            return bridge.createGridLayout(rows, columns);
        });
    kind.set<VXGridLayout>("add", "<child> <row> <column> [to-row to-column]",
            [lookup](VXGridLayout& g, const CommandLine& a) {
                VXWidget* child = lookup(a.word(0, "child"));
                const int row = a.integer(1, "row");
                const int column = a.integer(2, "column");
                if (a.size() > 4)
                    g.addWidget(
                        child, row, a.integer(3, "to-row"), column, a.integer(4, "to-column"), 0);
                else
                    g.addWidget(child, row, column, 0);
            })
        .set<VXGridLayout>("addlayout", "<layout> <from-row> <to-row> <from-col> <to-col>",
            [lookup](VXGridLayout& g, const CommandLine& a) {
                g.addLayout(lookup(a.word(0, "layout")), a.integer(1, "from-row"),
                    a.integer(2, "to-row"), a.integer(3, "from-col"), a.integer(4, "to-col"), 0);
            })
        .set<VXGridLayout>("remove", "<child>",
            [lookup](VXGridLayout& g, const CommandLine& a) {
                g.removeWidget(lookup(a.word(0, "child")));
            })
        .set<VXGridLayout>("colstretch", "<column> <factor>",
            [](VXGridLayout& g, const CommandLine& a) {
                g.setColStretchFactor(a.integer(0, "column"), a.integer(1, "factor"));
            })
        .set<VXGridLayout>("rowstretch", "<row> <factor>",
            [](VXGridLayout& g, const CommandLine& a) {
                g.setRowStretchFactor(a.integer(0, "row"), a.integer(1, "factor"));
            })
        .set<VXGridLayout>("margin", "<margin>",
            [](VXGridLayout& g, const CommandLine& a) { g.setMargin(a.integer(0, "margin")); });
    return kind;
}

template <class Box>
Kind boxLayout(const char* name, const ContainerKinds::Lookup& lookup,
    Box* (VXBridge::*withParent)(VXWidget*), Box* (VXBridge::*bare)())
{
    Kind kind(name, "",
        [withParent, bare](VXBridge& bridge, VXWidget* parent, const CommandLine&) -> VXWidget* {
            return parent ? (bridge.*withParent)(parent) : (bridge.*bare)();
        });
    kind.template set<Box>("add", "<child> [stretch]",
            [lookup](Box& b, const CommandLine& a) {
                b.addWidget(lookup(a.word(0, "child")), a.size() > 1 ? a.integer(1, "stretch") : 0);
            })
        .template set<Box>("addlayout", "<layout> [stretch]",
            [lookup](Box& b, const CommandLine& a) {
                b.addLayout(
                    lookup(a.word(0, "layout")), a.size() > 1 ? a.integer(1, "stretch") : 0);
            })
        .template set<Box>("remove", "<child>",
            [lookup](Box& b, const CommandLine& a) { b.removeWidget(lookup(a.word(0, "child"))); });
    return kind;
}

} // namespace

void ContainerKinds::addTo(KindTable& table, const Lookup& lookup)
{
    table.add(dialog());
    table.add(window(lookup));
    table.add(panel());
    table.add(groupBox());
    table.add(togglePanel());
    table.add(scrollView(lookup));
    table.add(widgetStack(lookup));
    table.add(splitter());
    table.add(tab());
    table.add(tabBar(lookup));
    table.add(gridLayout(lookup));
    table.add(boxLayout<VXHBoxLayout>(
        "hbox", lookup, &VXBridge::createHBoxLayout, &VXBridge::createHBoxLayout));
    table.add(boxLayout<VXVBoxLayout>(
        "vbox", lookup, &VXBridge::createVBoxLayout, &VXBridge::createVBoxLayout));
}
