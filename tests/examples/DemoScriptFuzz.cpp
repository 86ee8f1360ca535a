// Random scripts for the demo host: commands, kinds, properties and actions as its own help
// lists them, with extreme, malformed and hostile arguments and junk lines between. Each script
// must end on its own within the time limit, with status 0 (no errors) or 1 (errors reported),
// and without a sanitizer report.
//   demo_script_fuzz <vxdemo> <work directory> [--seeds=FIRST:COUNT] [--lines=N]
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kTimeLimitSeconds = 60;

using Entries = std::map<std::string, std::vector<std::string>>;

struct KindWords {
    std::vector<std::string> create; // placeholders after <parent|->
    Entries set, act;
    std::vector<std::string> get;
};

struct RunResult {
    bool finished = false;
    int status = -1; // exit status, or -signal
    std::string output;
};

// Runs the demo headless on `script`; stdout and stderr go to one file.
RunResult runDemo(const std::string& demo, const std::string& script, const std::string& dir)
{
    const std::string log = script + ".log";
    RunResult result;
    const pid_t child = fork();
    if (child < 0)
        return result;
    if (child == 0) {
        const int fd = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(fd, 1);
        dup2(fd, 2);
        execl(demo.c_str(), demo.c_str(), "--headless", "--out", dir.c_str(), script.c_str(),
            static_cast<char*>(nullptr));
        _exit(127);
    }
    const auto deadline
        = std::chrono::steady_clock::now() + std::chrono::seconds(kTimeLimitSeconds);
    int status = 0;
    pid_t ended = 0;
    while ((ended = waitpid(child, &status, WNOHANG)) == 0
        && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    result.finished = ended == child;
    if (result.finished) {
        result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
    } else {
        kill(child, SIGKILL);
        waitpid(child, &status, 0);
    }
    std::ifstream in(log, std::ios::binary);
    result.output.assign(std::istreambuf_iterator<char>(in), {});
    return result;
}

std::vector<std::string> splitWords(const std::string& text)
{
    std::istringstream in(text);
    std::vector<std::string> words;
    for (std::string word; in >> word;)
        words.push_back(word);
    return words;
}

// "name <a> <b>, other on|off" -> {name: [<a>, <b>], other: [on|off]}
Entries parseEntries(const std::string& list)
{
    Entries entries;
    std::size_t start = 0;
    while (start < list.size()) {
        std::size_t end = list.find(", ", start);
        if (end == std::string::npos)
            end = list.size();
        std::vector<std::string> words = splitWords(list.substr(start, end - start));
        if (!words.empty() && words.front() != "(none)") {
            const std::string name = words.front();
            words.erase(words.begin());
            entries[name] = words;
        }
        start = end + 2;
    }
    return entries;
}

// The vocabulary, from the demo's own help.
std::map<std::string, KindWords> discover(const std::string& demo, const std::string& dir)
{
    std::map<std::string, KindWords> kinds;
    const std::string helpScript = dir + "/help.vxs";
    std::ofstream(helpScript) << "help\n";
    const RunResult help = runDemo(demo, helpScript, dir);
    const std::size_t at = help.output.find("kinds: ");
    if (at == std::string::npos)
        return kinds;
    const std::string line = help.output.substr(at + 7, help.output.find('(', at) - at - 7);
    std::ofstream script(helpScript);
    for (const std::string& kind : splitWords(line)) {
        kinds[kind];
        script << "help " << kind << '\n';
    }
    script.close();
    const RunResult each = runDemo(demo, helpScript, dir);
    std::istringstream lines(each.output);
    KindWords* current = nullptr;
    for (std::string text; std::getline(lines, text);) {
        const std::vector<std::string> words = splitWords(text);
        if (words.size() >= 2 && words[0] == "create" && kinds.count(words[1])) {
            current = &kinds[words[1]];
            current->create.assign(
                words.begin() + std::min<std::size_t>(4, words.size()), words.end());
        } else if (current && text.rfind("  set: ", 0) == 0) {
            current->set = parseEntries(text.substr(7));
        } else if (current && text.rfind("  act: ", 0) == 0) {
            current->act = parseEntries(text.substr(7));
        } else if (current && text.rfind("  get: ", 0) == 0) {
            for (const auto& entry : parseEntries(text.substr(7)))
                current->get.push_back(entry.first);
        }
    }
    return kinds;
}

class ScriptWriter {
public:
    ScriptWriter(unsigned seed, const std::map<std::string, KindWords>& kinds)
        : m_random(seed)
        , m_kinds(kinds)
    {
        for (const auto& kind : kinds)
            m_kindNames.push_back(kind.first);
    }

    std::string line()
    {
        const int kind = below(20);
        if (kind < 4)
            return create();
        if (kind < 8)
            return entry("set", &KindWords::set, 2);
        if (kind < 10)
            return entry("act", &KindWords::act, 1);
        switch (kind) {
        case 10:
            return "get " + name() + ' ' + anyOf(kindOf().get, "visible");
        case 11:
            return pick({ "show ", "hide ", "destroy ", "listen ", "unlisten " }) + name();
        case 12:
            return "message " + pick({ "info", "warning", "error", "bogus" }) + ' ' + value() + ' '
                + value();
        case 13:
            return pick({ "closebox all", "closebox 0", "closebox -1", "widgets", "screens",
                "alert t x ok", "wait close " + name() + " 0", "wait events " + value() + " 0",
                "pause " + pick({ "0", "1", "-1", "x", "3600001", "2147483647" }) });
        case 14:
            return "capture " + value() + ' ' + pick({ "a.png", "/proc/x.png", "", "d/", "x" });
        case 15:
            return junk();
        default:
            return words(pick({ "echo", "help", "set", "get", "act", "create", "nope" }), below(5));
        }
    }

private:
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(m_random); }
    std::string pick(const std::vector<std::string>& from)
    {
        return from[static_cast<std::size_t>(below(static_cast<int>(from.size())))];
    }
    std::string anyOf(const std::vector<std::string>& from, const std::string& fallback)
    {
        return from.empty() ? fallback : pick(from);
    }
    std::string name() { return pick({ "a", "b", "c", "d", "e", "f", "-", "\"\"", "zz" }); }
    const KindWords& kindOf()
    {
        const auto found = m_created.find(m_lastName);
        return found != m_created.end() ? m_kinds.at(found->second) : m_kinds.at(pick(m_kindNames));
    }

    std::string value()
    {
        switch (below(24)) {
        case 0:
            return std::string(20000 + below(100000), 'w'); // one unbroken word
        case 1:
            return "\"" + std::string(5000, ' ') + "x\"";
        case 2:
            return "\xEF\xBB\xBFx"; // byte-order mark
        case 3:
            return "\"\xC3\x28\xF0\x9D\x84\x9E\xE2\x82\xAC\""; // invalid UTF-8 among valid
        case 4:
            return "\"unterminated";
        default:
            return pick({ "0", "1", "-1", "2", "255", "256", "65536", "2147483647", "-2147483648",
                "2147483648", "99999999999999999999", "nan", "inf", "-0", "1e309", "0x10", "on",
                "off", "maybe", "\"\"", "\"two words\"", "/dev/zero", "/nonexistent.png", "%s%n",
                "a", "b", "c", "-", "\\" });
        }
    }

    std::string arguments(const std::vector<std::string>& placeholders)
    {
        std::string text;
        for (const std::string& placeholder : placeholders) {
            if (below(12) == 0)
                break; // too few
            if (placeholder.find("on|off") != std::string::npos && below(2) == 0)
                text += ' ' + pick({ "on", "off" });
            else if (placeholder == "<child>" || placeholder == "<name>")
                text += ' ' + name();
            else
                text += ' ' + value();
        }
        for (int extra = below(8) == 0 ? below(4) : 0; extra > 0; --extra)
            text += ' ' + value(); // too many
        return text;
    }

    std::string create()
    {
        const std::string kind = below(15) == 0 ? "nokind" : pick(m_kindNames);
        m_lastName = name();
        if (kind != "nokind")
            m_created[m_lastName] = kind;
        // Mostly top-level or inside an earlier object, so objects do come to exist.
        const std::string parent = below(2) == 0 ? "-" : name();
        return "create " + kind + ' ' + m_lastName + ' ' + parent
            + (kind == "nokind" ? "" : arguments(m_kinds.at(kind).create));
    }

    // "set" or "act" with one of the kind's entries and its arguments; now and then a bogus one
    // with `bogusValues` random words.
    std::string entry(const std::string& verb, Entries KindWords::*of, int bogusValues)
    {
        m_lastName = name();
        const Entries& entries = kindOf().*of;
        if (entries.empty() || below(10) == 0)
            return words(verb + ' ' + m_lastName, bogusValues);
        auto chosen = entries.begin();
        std::advance(chosen, below(static_cast<int>(entries.size())));
        return verb + ' ' + m_lastName + ' ' + chosen->first + arguments(chosen->second);
    }

    std::string words(const std::string& first, int count)
    {
        std::string text = first;
        for (int i = 0; i < count; ++i)
            text += ' ' + value();
        return text;
    }

    std::string junk()
    {
        std::string text;
        for (int i = below(200); i > 0; --i) {
            const char c = static_cast<char>(below(256));
            if (c != '\n')
                text += c;
        }
        return below(2) == 0 ? text : "# " + text;
    }

    std::mt19937 m_random;
    const std::map<std::string, KindWords>& m_kinds;
    std::vector<std::string> m_kindNames;
    std::map<std::string, std::string> m_created;
    std::string m_lastName;
};

bool sanitizerSpoke(const std::string& output)
{
    for (const char* sign : { "ERROR: AddressSanitizer",
             "runtime error:", "WARNING: ThreadSanitizer", "ERROR: LeakSanitizer" }) {
        if (output.find(sign) != std::string::npos)
            return true;
    }
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr,
            "usage: demo_script_fuzz <vxdemo> <work directory> "
            "[--seeds=FIRST:COUNT] [--lines=N]\n");
        return 2;
    }
    const std::string demo = argv[1];
    const std::string dir = argv[2];
    unsigned first = 1, count = 10;
    int lines = 80;
    for (int i = 3; i < argc; ++i) {
        if (std::sscanf(argv[i], "--seeds=%u:%u", &first, &count) != 2)
            std::sscanf(argv[i], "--lines=%d", &lines);
    }
    std::system(("mkdir -p '" + dir + "'").c_str());

    const std::map<std::string, KindWords> kinds = discover(demo, dir);
    if (kinds.size() < 5) {
        std::fprintf(stderr, "demo_script_fuzz: the demo's help listed %zu kinds\n", kinds.size());
        return 1;
    }
    int failures = 0;
    for (unsigned seed = first; seed < first + count; ++seed) {
        const std::string script = dir + "/seed" + std::to_string(seed) + ".vxs";
        ScriptWriter writer(seed, kinds);
        {
            std::ofstream out(script, std::ios::binary);
            for (int i = 0; i < lines; ++i)
                out << writer.line() << '\n';
        }
        const RunResult run = runDemo(demo, script, dir);
        const bool good
            = run.finished && (run.status == 0 || run.status == 1) && !sanitizerSpoke(run.output);
        std::printf("seed %u: %s (exit %d)\n", seed,
            !run.finished ? "did not end within the time limit"
                : good    ? "ok"
                          : "failed",
            run.status);
        if (!good) {
            ++failures;
            std::printf("  script: %s, output: %s.log\n", script.c_str(), script.c_str());
        }
    }
    std::printf("demo_script_fuzz: %u scripts of %d lines, %zu kinds, %d failed\n", count, lines,
        kinds.size(), failures);
    return failures == 0 ? 0 : 1;
}
