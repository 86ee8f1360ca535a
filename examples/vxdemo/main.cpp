// vxdemo: a host application embedding the toolkit. The main thread is lent to the GUI; the
// engine thread is this program's interpreter: it runs command scripts and an interactive
// prompt that create and drive proxies, and prints every event the host receives.
//
//   vxdemo [--headless] [--out DIR] [-i] [script...]
//
// With scripts it runs them in order and ends, unless -i asks for the prompt afterwards;
// without scripts it reads commands from standard input ("help" lists them).
#include "engine/VXBridge.h"
#include "examples/vxdemo/Console.h"
#include "examples/vxdemo/DemoSession.h"
#include "host/Host.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

struct Arguments {
    DemoSession::Options options;
    std::vector<std::string> scripts;
    bool interactive = false;
    bool valid = true;
};

Arguments parse(int argc, char** argv)
{
    Arguments parsed;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--headless") {
            parsed.options.headless = true;
        } else if (arg == "--out" && i + 1 < argc) {
            parsed.options.outputDirectory = argv[++i];
        } else if (arg == "-i") {
            parsed.interactive = true;
        } else if (!arg.empty() && arg[0] == '-') {
            std::fprintf(stderr, "vxdemo: unknown option %s\n", arg.c_str());
            parsed.valid = false;
        } else {
            parsed.scripts.push_back(arg);
        }
    }
    parsed.interactive = parsed.interactive || parsed.scripts.empty();
    return parsed;
}

int runEngine(const Arguments& arguments)
{
    VXBridge* bridge = VXBridge::getBridge(VRIX::StringID("qt"));
    if (!bridge) {
        std::fprintf(stderr, "vxdemo: the GUI toolkit did not start\n");
        return 1;
    }
    int failures = 0;
    {
        DemoSession session(*bridge, arguments.options);
        for (const std::string& script : arguments.scripts) {
            std::ifstream input(script);
            if (!input) {
                std::printf("%s: error: cannot open the script\n", script.c_str());
                ++failures;
                continue;
            }
            session.runScript(input, script);
            if (session.quitRequested())
                break;
        }
        if (arguments.interactive && !session.quitRequested()) {
            Console console([&session] { session.serve(); });
            std::string line;
            int lineNumber = 0;
            while (!session.quitRequested() && console.nextLine(line, "vxdemo> "))
                session.runLine(line, "stdin", ++lineNumber);
        }
        failures += session.errorCount();
    }
    bridge->quit();
    VXBridge::destroyBridges();
    std::printf("vxdemo: done, %d error%s\n", failures, failures == 1 ? "" : "s");
    return failures ? 1 : 0;
}

} // namespace

int main(int argc, char** argv)
{
    const Arguments arguments = parse(argc, argv);
    if (!arguments.valid) {
        std::fprintf(stderr, "usage: vxdemo [--headless] [--out DIR] [-i] [script...]\n");
        return 2;
    }
    return VXHost::runHost(argc, argv, [&arguments] { return runEngine(arguments); });
}
