#include "tests/containers/ContainersTestSupport.h"

#include "tests/buttons/ButtonsTestSupport.h"

#include <QDeadlineTimer>

#include <chrono>
#include <thread>

namespace vxtest {

bool waitUntil(const std::function<bool()>& done)
{
    const QDeadlineTimer deadline(5000);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        deliverEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

} // namespace vxtest
