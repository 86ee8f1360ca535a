// main() of the end-to-end test binaries: the tests run as the engine thread under the host,
// the process's main thread stays free for the GUI.
#include "tests/support/EngineExitHooks.h"

int main(int argc, char** argv)
{
    return vxtest::runEngineTests(argc, argv);
}
