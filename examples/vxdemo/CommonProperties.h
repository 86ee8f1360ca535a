#pragma once

#include "examples/vxdemo/DemoText.h"
#include "examples/vxdemo/Kind.h"

/// The geometry, font and colour properties that most proxies share by name (they have no
/// common base for them). Engine thread.
class CommonProperties {
public:
    template <class P> static void addGeometry(Kind& kind)
    {
        kind.set<P>("rect", "<x> <y> <width> <height>",
                [](P& p, const CommandLine& a) {
                    p.setRect(a.integer(0, "x"), a.integer(1, "y"), a.integer(2, "width"),
                        a.integer(3, "height"));
                })
            .template set<P>("minsize", "<width> <height>",
                [](P& p, const CommandLine& a) {
                    p.setMinimumSize(a.integer(0, "width"), a.integer(1, "height"));
                })
            .template set<P>("maxsize", "<width> <height>", [](P& p, const CommandLine& a) {
                p.setMaximumSize(a.integer(0, "width"), a.integer(1, "height"));
            });
    }

    template <class P> static void addLook(Kind& kind)
    {
        kind.set<P>("font", "<family> <points> [bold] [italic] [underline]",
                [](P& p, const CommandLine& a) {
                    p.setFont(a.word(0, "family").c_str(), a.integer(1, "points"),
                        a.size() > 2 ? a.flag(2, "bold") : -1,
                        a.size() > 3 ? a.flag(3, "italic") : -1,
                        a.size() > 4 ? a.flag(4, "underline") : -1);
                })
            .template set<P>("foreground", "<red> <green> <blue>",
                [](P& p, const CommandLine& a) {
                    p.setForegroundColor(
                        a.integer(0, "red"), a.integer(1, "green"), a.integer(2, "blue"));
                })
            .template set<P>("background", "<red> <green> <blue>", [](P& p, const CommandLine& a) {
                p.setBackgroundColor(
                    a.integer(0, "red"), a.integer(1, "green"), a.integer(2, "blue"));
            });
    }

    template <class P> static void addState(Kind& kind)
    {
        kind.set<P>("focus", "", [](P& p, const CommandLine&) { p.setFocus(); })
            .template get<P>("enabled", [](P& p) { return demotext::onOff(p.isEnabled()); })
            .template get<P>("visible", [](P& p) { return demotext::onOff(p.isVisible()); });
    }

    template <class P> static void addAll(Kind& kind)
    {
        addGeometry<P>(kind);
        addLook<P>(kind);
        addState<P>(kind);
    }
};
