#pragma once

/// Fails the running test on each failure QAbstractItemModelTester reports (as a Qt warning),
/// from any thread.
namespace vxtest::testerfailures {

/// Installs the handler once per process; on the engine side after the GUI thread started.
void start();

} // namespace vxtest::testerfailures
