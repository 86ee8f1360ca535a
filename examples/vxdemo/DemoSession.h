#pragma once

#include "examples/vxdemo/EventPrinter.h"
#include "examples/vxdemo/KindTable.h"

#include <chrono>
#include <functional>
#include <istream>
#include <map>
#include <string>
#include <vector>

class VXBridge;
class VXWidget;

/// The demo host's interpreter: runs command lines that create, drive and destroy proxies,
/// prints the events the host receives, and keeps going after a bad line (which it reports as
/// "<source>:<line>: error: <why>"). Engine thread.
class DemoSession {
public:
    struct Options {
        /// No user will act: waits for the user end at once, modal alerts are not shown.
        bool headless = false;
        /// Where `capture` writes relative paths.
        std::string outputDirectory = "out";
    };

    DemoSession(VXBridge& bridge, Options options);
    ~DemoSession();
    DemoSession(const DemoSession&) = delete;
    DemoSession& operator=(const DemoSession&) = delete;

    /// Runs one line; `source` and `lineNumber` only label errors. Never throws.
    void runLine(const std::string& text, const std::string& source, int lineNumber);
    /// Runs every line of `input` until its end or `quit`.
    void runScript(std::istream& input, const std::string& source);
    bool quitRequested() const { return m_quit; }
    int errorCount() const { return m_errors; }

    /// Runs the commands the toolkit queued for the engine thread (event delivery).
    void serve();

private:
    struct Object {
        VXWidget* widget;
        std::string kind;
    };
    using Handler = void (DemoSession::*)(const CommandLine&);
    struct Command {
        Handler handler;
        const char* usage;
    };

    void help(const CommandLine& line);
    void echo(const CommandLine& line);
    void create(const CommandLine& line);
    void set(const CommandLine& line);
    /// Applies a property setter or action, printing its own usage when the values do not fit.
    static void applyEntry(const Kind::Entry& entry, const std::string& prefix, VXWidget& widget,
        const CommandLine& args);
    void get(const CommandLine& line);
    void act(const CommandLine& line);
    void show(const CommandLine& line);
    void hide(const CommandLine& line);
    void destroy(const CommandLine& line);
    void listen(const CommandLine& line);
    void unlisten(const CommandLine& line);
    void message(const CommandLine& line);
    void closeBox(const CommandLine& line);
    void alert(const CommandLine& line);
    void wait(const CommandLine& line);
    void pause(const CommandLine& line);
    void capture(const CommandLine& line);
    void screens(const CommandLine& line);
    void widgets(const CommandLine& line);
    void quit(const CommandLine& line);

    const Object& object(const std::string& name) const;
    std::string nameOf(const VXWidget* widget) const;
    /// Forgets `widget` and every proxy below it (their owner deletes them).
    void forget(VXWidget* widget);
    /// Serves the engine thread's queue until `done` holds or `timeout` passes.
    bool serveUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout);

    VXBridge& m_bridge;
    Options m_options;
    KindTable m_kinds;
    EventPrinter m_printer;
    std::map<std::string, Command> m_commands;
    std::map<std::string, Object> m_objects;
    /// Creation order, so the session can delete the top-level proxies last-made first.
    std::vector<std::string> m_created;
    std::vector<int> m_boxes;
    /// Events received up to the end of the last `wait events`.
    long m_waitedFor = 0;
    /// Events received per type when the last `act` began.
    std::map<VXEventType, long> m_beforeAct;
    bool m_quit = false;
    int m_errors = 0;
};
