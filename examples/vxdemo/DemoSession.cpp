#include "examples/vxdemo/DemoSession.h"

#include "engine/VXBridge.h"
#include "engine/VXWidget.h"
#include "examples/vxdemo/CommandError.h"
#include "examples/vxdemo/DemoText.h"
#include "examples/vxdemo/explorer/ExplorerSession.h"
#include "host/Interpreter.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <utility>

using demotext::quoted;

namespace {

constexpr auto kDefaultWait = std::chrono::seconds(10);

void say(const std::string& line)
{
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
}

std::chrono::milliseconds secondsArgument(const CommandLine& line, std::size_t index)
{
    if (index >= line.size())
        return kDefaultWait;
    const double seconds = line.number(index, "seconds");
    if (!(seconds >= 0) || seconds > 3600)
        throw CommandError("seconds must lie between 0 and 3600");
    return std::chrono::milliseconds(static_cast<long>(seconds * 1000));
}

VXEventType eventType(const CommandLine& line, std::size_t index)
{
    VXEventType type = InvalidEvent;
    if (!EventPrinter::typeByName(line.word(index, "event type"), type))
        throw CommandError("unknown event type \"" + line.word(index, "event type") + '"');
    return type;
}

} // namespace

DemoSession::DemoSession(VXBridge& bridge, Options options)
    : m_bridge(bridge)
    , m_options(std::move(options))
    , m_kinds([this](const std::string& name) { return object(name).widget; })
    , m_printer([this](const VXWidget* widget) { return nameOf(widget); },
          [](const VXWidget* widget, const UDInterface* object) {
              ExplorerSession* session = ExplorerSession::of(widget);
              return session ? session->store().nameOf(object) : std::string();
          })
{
    m_commands = {
        { "help", { &DemoSession::help, "[kind]" } },
        { "echo", { &DemoSession::echo, "<text>..." } },
        { "create", { &DemoSession::create, "<kind> <name> <parent|-> [arguments]..." } },
        { "set", { &DemoSession::set, "<name> <property> [values]..." } },
        { "get", { &DemoSession::get, "<name> <property>" } },
        { "act", { &DemoSession::act, "<name> <action> [values]...  (acts as the user)" } },
        { "show", { &DemoSession::show, "<name>" } },
        { "hide", { &DemoSession::hide, "<name>" } },
        { "destroy", { &DemoSession::destroy, "<name>" } },
        { "listen", { &DemoSession::listen, "<name> [event type]...  (default: every type)" } },
        { "unlisten", { &DemoSession::unlisten, "<name>" } },
        { "message", { &DemoSession::message, "info|warning|error <title> <text>" } },
        { "closebox", { &DemoSession::closeBox, "<handle>|all" } },
        { "alert", { &DemoSession::alert, "<title> <text> <button1> [button2] [button3]" } },
        { "wait",
            { &DemoSession::wait,
                "events <count> [seconds] | event <type> [seconds] | close <name> [seconds]" } },
        { "pause", { &DemoSession::pause, "<milliseconds>" } },
        { "capture", { &DemoSession::capture, "<window title> <file.png>" } },
        { "screens", { &DemoSession::screens, "" } },
        { "widgets", { &DemoSession::widgets, "" } },
        { "quit", { &DemoSession::quit, "" } },
    };
}

DemoSession::~DemoSession()
{
    // Top-level proxies delete the proxies below them.
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it) {
        auto found = m_objects.find(*it);
        if (found == m_objects.end())
            continue;
        VXWidget* widget = found->second.widget;
        forget(widget);
        delete widget;
    }
    for (int handle : m_boxes)
        m_bridge.closeMessageBox(handle);
    serve();
}

void DemoSession::serve()
{
    VXHost::Interpreter::instance().processPendingCommands();
}

bool DemoSession::serveUntil(const std::function<bool()>& done, std::chrono::milliseconds timeout)
{
    return VXHost::Interpreter::instance().processCommandsUntil(done, timeout);
}

void DemoSession::runLine(const std::string& text, const std::string& source, int lineNumber)
{
    try {
        // An editor's byte-order mark is no part of the first command; anywhere else it is
        // named rather than shown inside a command name that looks right.
        static const std::string kByteOrderMark = "\xEF\xBB\xBF";
        std::string body = text;
        if (body.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0) {
            if (lineNumber != 1)
                throw CommandError("the line starts with a byte-order mark");
            body.erase(0, kByteOrderMark.size());
        }
        const CommandLine line(body);
        if (line.empty())
            return;
        auto found = m_commands.find(line.word(0, "command"));
        if (found == m_commands.end())
            throw CommandError("unknown command \"" + line.word(0, "command") + "\" (try help)");
        try {
            (this->*found->second.handler)(line);
        } catch (const CommandError& error) {
            if (!error.badArguments())
                throw;
            const std::string& usage = found->second.usage;
            throw CommandError(std::string(error.what()) + " (usage: " + found->first
                + (usage.empty() ? "" : " " + usage) + ')');
        }
    } catch (const std::exception& error) {
        ++m_errors;
        say(source + ':' + std::to_string(lineNumber) + ": error: " + error.what());
    }
    // Events raised by this line reach the listener before the next line runs.
    serve();
}

void DemoSession::runScript(std::istream& input, const std::string& source)
{
    std::string text;
    int lineNumber = 0;
    while (!m_quit && std::getline(input, text))
        runLine(text, source, ++lineNumber);
}

const DemoSession::Object& DemoSession::object(const std::string& name) const
{
    auto found = m_objects.find(name);
    if (found == m_objects.end())
        throw CommandError("no object named \"" + name + "\"");
    return found->second;
}

std::string DemoSession::nameOf(const VXWidget* widget) const
{
    for (const auto& [name, entry] : m_objects) {
        if (entry.widget == widget)
            return name;
    }
    return "(unnamed)";
}

void DemoSession::forget(VXWidget* widget)
{
    for (VXWidget* child : widget->getChildren())
        forget(child);
    ExplorerSession::release(widget);
    for (auto it = m_objects.begin(); it != m_objects.end();) {
        if (it->second.widget == widget)
            it = m_objects.erase(it);
        else
            ++it;
    }
}

void DemoSession::help(const CommandLine& line)
{
    if (line.size() > 1) {
        const Kind& kind = m_kinds.find(line.word(1, "kind"));
        say("create " + kind.name() + " <name> <parent|-> " + kind.usage());
        say("  set: " + kind.describeSetters());
        say("  get: " + kind.describeGetters());
        say("  act: " + kind.describeActions());
        return;
    }
    for (const auto& [name, command] : m_commands)
        say(name + ' ' + command.usage);
    std::string kinds;
    for (const std::string& name : m_kinds.names())
        kinds += (kinds.empty() ? "" : " ") + name;
    say("kinds: " + kinds + "  (help <kind> lists its properties)");
}

void DemoSession::echo(const CommandLine& line)
{
    say(line.rest(1));
}

void DemoSession::create(const CommandLine& line)
{
    const Kind& kind = m_kinds.find(line.word(1, "kind"));
    const std::string& name = line.word(2, "name");
    if (name == "-" || m_objects.count(name))
        throw CommandError("the name \"" + name + "\" is taken");
    const std::string& parentName = line.word(3, "parent (- for none)");
    VXWidget* parent = parentName == "-" ? nullptr : object(parentName).widget;
    VXWidget* widget = kind.create(m_bridge, parent, line.from(4));
    if (!widget)
        throw CommandError("the toolkit refused to create the " + kind.name());
    m_objects[name] = Object { widget, kind.name() };
    m_created.push_back(name);
    say("created " + kind.name() + ' ' + name);
}

void DemoSession::set(const CommandLine& line)
{
    const Object& target = object(line.word(1, "name"));
    const std::string& property = line.word(2, "property");
    const Kind::Entry& setter = m_kinds.find(target.kind).setter(property);
    applyEntry(setter, "set <name> " + property, *target.widget, line.from(3));
}

void DemoSession::applyEntry(
    const Kind::Entry& entry, const std::string& prefix, VXWidget& widget, const CommandLine& args)
{
    try {
        entry.apply(widget, args);
    } catch (const CommandError& error) {
        if (!error.badArguments())
            throw;
        // The property's or action's own usage, not the command's.
        throw CommandError(
            std::string(error.what()) + " (usage: " + prefix + ' ' + entry.usage + ')');
    }
}

void DemoSession::get(const CommandLine& line)
{
    const std::string& name = line.word(1, "name");
    const std::string& property = line.word(2, "property");
    const Object& target = object(name);
    say(name + '.' + property + " = "
        + m_kinds.find(target.kind).getter(property).read(*target.widget));
}

void DemoSession::act(const CommandLine& line)
{
    const Object& target = object(line.word(1, "name"));
    const std::string& action = line.word(2, "action");
    const Kind::Entry& entry = m_kinds.find(target.kind).action(action);
    m_beforeAct = m_printer.receivedByType();
    applyEntry(entry, "act <name> " + action, *target.widget, line.from(3));
}

void DemoSession::show(const CommandLine& line)
{
    object(line.word(1, "name")).widget->show();
}

void DemoSession::hide(const CommandLine& line)
{
    object(line.word(1, "name")).widget->hide();
}

void DemoSession::destroy(const CommandLine& line)
{
    const std::string name = line.word(1, "name");
    VXWidget* widget = object(name).widget;
    forget(widget);
    delete widget;
    say("destroyed " + name);
}

void DemoSession::listen(const CommandLine& line)
{
    VXWidget* widget = object(line.word(1, "name")).widget;
    std::vector<VXEventType> types;
    for (std::size_t i = 2; i < line.size(); ++i) {
        types.push_back(eventType(line, i));
    }
    if (types.empty())
        types = EventPrinter::allTypes();
    widget->removeEventListener(&m_printer, InvalidEvent);
    for (VXEventType type : types)
        widget->addEventListener(&m_printer, type);
}

void DemoSession::unlisten(const CommandLine& line)
{
    object(line.word(1, "name")).widget->removeEventListener(&m_printer, InvalidEvent);
}

void DemoSession::message(const CommandLine& line)
{
    const std::string& level = line.word(1, "level");
    const std::u16string title = line.text(2, "title");
    const std::u16string text = line.text(3, "text");
    int handle = -1;
    if (level == "info")
        handle = m_bridge.infoMessage(nullptr, title, text, false);
    else if (level == "warning")
        handle = m_bridge.warningMessage(nullptr, title, text, false);
    else if (level == "error")
        handle = m_bridge.errorMessage(nullptr, title, text, false);
    else
        throw CommandError("level must be info, warning or error");
    if (handle >= 0)
        m_boxes.push_back(handle);
    say("message box " + std::to_string(handle));
}

void DemoSession::closeBox(const CommandLine& line)
{
    const std::string& which = line.word(1, "handle");
    if (which == "all") {
        for (int handle : m_boxes)
            m_bridge.closeMessageBox(handle);
        m_boxes.clear();
    } else {
        const int handle = line.integer(1, "handle");
        m_bridge.closeMessageBox(handle);
        m_boxes.erase(std::remove(m_boxes.begin(), m_boxes.end(), handle), m_boxes.end());
    }
    serveUntil([] { return false; }, std::chrono::milliseconds(50));
    say("open message boxes: " + std::to_string(m_bridge.getNumOfOpenMsgBox(nullptr)));
}

void DemoSession::alert(const CommandLine& line)
{
    const std::u16string title = line.text(1, "title");
    const std::u16string text = line.text(2, "text");
    const std::u16string first = line.text(3, "button1");
    const std::u16string second = line.size() > 4 ? line.text(4, "button2") : std::u16string();
    const std::u16string third = line.size() > 5 ? line.text(5, "button3") : std::u16string();
    if (m_options.headless) {
        // A modal alert waits for a person; nobody is there to answer it.
        say("alert " + quoted(title) + ": not shown (headless)");
        return;
    }
    const int pressed
        = m_bridge.showModalAlertU(nullptr, title, text, first, second, third, 1, u"");
    say("alert " + quoted(title) + ": button " + std::to_string(pressed));
}

void DemoSession::wait(const CommandLine& line)
{
    const std::string& what = line.word(1, "events|close");
    if (what == "events") {
        const int count = line.integer(2, "count");
        if (count < 0)
            throw CommandError("count must not be negative");
        // Counted from the end of the previous wait, so a script can act first and then wait
        // for the events its actions raise, whenever they arrive.
        const long target = m_waitedFor + count;
        const bool arrived
            = serveUntil([&] { return m_printer.received() >= target; }, secondsArgument(line, 3));
        const long got = m_printer.received() - m_waitedFor;
        m_waitedFor = arrived ? target : m_printer.received();
        if (!arrived)
            throw CommandError("timed out with " + std::to_string(got) + " of "
                + std::to_string(count) + " events");
        return;
    }
    if (what == "event") {
        // An event the last action causes, whenever it arrives (a fixed pause is too short on
        // a busy machine).
        const VXEventType type = eventType(line, 2);
        const auto before = m_beforeAct.find(type);
        const long seen = before == m_beforeAct.end() ? 0 : before->second;
        if (!serveUntil(
                [&] { return m_printer.receivedOf(type) > seen; }, secondsArgument(line, 3)))
            throw CommandError("timed out waiting for " + line.word(2, "event type"));
        return;
    }
    if (what == "close") {
        const std::string& name = line.word(2, "name");
        const VXWidget* widget = object(name).widget;
        if (m_options.headless) {
            say("wait close " + name + ": nobody to close it (headless)");
            return;
        }
        const auto isClose = [](VXEventType type) {
            return type == CloseEvent || type == DLGCloseEvent || type == DLGApplyCloseEvent
                || type == WNDCloseEvent;
        };
        const long before = m_printer.received();
        if (!serveUntil(
                [&] {
                    return m_printer.received() > before && m_printer.lastWidget() == widget
                        && isClose(m_printer.lastType());
                },
                secondsArgument(line, 3)))
            throw CommandError("timed out waiting for " + name + " to close");
        return;
    }
    throw CommandError("wait what? events, event or close");
}

void DemoSession::pause(const CommandLine& line)
{
    const int ms = line.integer(1, "milliseconds");
    if (ms < 0 || ms > 3600000)
        throw CommandError("milliseconds must lie between 0 and 3600000");
    serveUntil([] { return false; }, std::chrono::milliseconds(ms));
}

void DemoSession::capture(const CommandLine& line)
{
    const std::u16string title = line.text(1, "window title");
    std::filesystem::path path(line.word(2, "file"));
    if (path.is_relative())
        path = std::filesystem::path(m_options.outputDirectory) / path;
    std::error_code ignored;
    std::filesystem::create_directories(path.parent_path(), ignored);
    // A file that cannot be written is said so, not blamed on the window.
    const bool existed = std::filesystem::exists(path, ignored);
    if (!std::ofstream(path, std::ios::app))
        throw CommandError("cannot write " + path.string());
    if (!existed)
        std::filesystem::remove(path, ignored);
    // Let the window finish laying out and painting before it is grabbed.
    serveUntil([] { return false; }, std::chrono::milliseconds(100));
    const bool saved = m_bridge.m_captureNamedWindow(title, path.u16string());
    if (!saved)
        throw CommandError("no visible window titled " + quoted(title) + " to capture");
    say("captured " + quoted(title) + " to " + path.string());
}

void DemoSession::screens(const CommandLine&)
{
    const int count = m_bridge.m_getNumScreens();
    say("screens: " + std::to_string(count) + ", primary "
        + std::to_string(m_bridge.m_getPrimaryScreen()) + ", double-click interval "
        + std::to_string(m_bridge.m_getDoubleClickInterval()) + " ms");
    for (int i = 0; i < count; ++i) {
        const VXBridge::Rect r = m_bridge.m_getScreenGeometry(i);
        say("screen " + std::to_string(i) + ": " + std::to_string(r.width()) + 'x'
            + std::to_string(r.height()) + " at " + std::to_string(r.left()) + ','
            + std::to_string(r.top()));
    }
}

void DemoSession::widgets(const CommandLine&)
{
    say("widgets: " + std::to_string(m_bridge.getHashedSize()));
}

void DemoSession::quit(const CommandLine& line)
{
    if (line.size() > 1)
        throw CommandError("quit takes no arguments", true);
    m_quit = true;
}
