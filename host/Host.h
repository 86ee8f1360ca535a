#pragma once

#include "vxhost_export.h"

#include <functional>

namespace VXHost {

class HostEventManagement;

/// Runs the host on the calling thread, which must be the process's main thread: installs the
/// host services, starts the engine thread running `engineMain` and serves run-on-main-thread
/// requests here, in the order they were made, however long each runs. Returns engineMain's
/// result once the engine thread has returned and the requests it made have run; an engine that
/// throws is reported on stderr and gives EXIT_FAILURE. Commands still queued for the engine
/// when it returns are discarded.
VXHOST_EXPORT int runHost(int argc, char** argv, std::function<int()> engineMain);

/// Installs the host's "EventManagement" service unless it already is; returns it.
VXHOST_EXPORT HostEventManagement* installHostServices();

/// Overrides the installation root; null or empty returns to $VX_ROOT or the built-in one.
VXHOST_EXPORT void hostSetRoot(const char* path);
/// What svIsStandaloneMode answers (false, the desktop, by default).
VXHOST_EXPORT void hostSetStandaloneMode(bool standalone);

} // namespace VXHost
