#include "tests/buttons/ButtonsTestSupport.h"

#include "tests/bridge/BridgeTestEnvironment.h"

namespace vxtest {

void deliverEvents()
{
    while (runEngineCommands() > 0) { }
}

} // namespace vxtest
