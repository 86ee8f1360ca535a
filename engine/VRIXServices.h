#pragma once

#include <string>

namespace VRIX_MI {

/// Installs the "Translation" and "ApplicationContext" services. Only the first call in the
/// process does anything; concurrent callers return once it is done. Engine thread, before any
/// widget or bridge code runs.
void initializeVelmarVRIXServices();

/// The absolute 8-bit path of a file below the installation root: root, "/", `relativePath`.
/// Without an installed "ApplicationContext" service the root counts as empty.
std::string installationPath(const char* relativePath);

} // namespace VRIX_MI
