#pragma once

namespace vxtest {

/// Makes a test binary runnable anywhere: the offscreen platform when there is no display, and
/// a private XDG_RUNTIME_DIR so Qt does not warn on every start. Call first thing in main().
/// Linking it also brings in the sanitizer suppressions every test binary shares.
void prepareHeadlessEnvironment();

} // namespace vxtest
