#pragma once

/// Fails the running test on each failure QAbstractItemModelTester reports (as a Qt warning),
/// from any thread, and counts them.
namespace vxtest::testerfailures {

/// Installs the handler once per process (after the GUI thread started) and resets the count.
void start();
int count();

} // namespace vxtest::testerfailures
