#pragma once

/// Counts the failures QAbstractItemModelTester reports (as Qt warnings), from any thread.
namespace vxtest::testerfailures {

/// Installs the counting message handler once per process and resets the count.
void start();
int count();

} // namespace vxtest::testerfailures
