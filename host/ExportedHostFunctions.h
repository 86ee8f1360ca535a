#pragma once

// The host functions as the host defines them: the library resolves them against this shared
// library at load time, so they keep default visibility under -fvisibility=hidden.

#pragma GCC visibility push(default)
#include "engine/HostFunctions.h"
#pragma GCC visibility pop
