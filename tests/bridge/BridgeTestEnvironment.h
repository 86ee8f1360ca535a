#pragma once

// Moved to the shared test support library.
#include "tests/support/BridgeTestEnvironment.h"
