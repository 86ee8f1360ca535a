#pragma once

namespace vxbench {

/// The start of every benchmark that runs under the host stand-in: offscreen without a display,
/// then Google Benchmark's own arguments. False when an argument is not understood.
bool initializeUnderHost(int& argc, char** argv);

} // namespace vxbench
