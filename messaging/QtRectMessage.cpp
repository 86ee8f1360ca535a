#include "messaging/QtRectMessage.h"

#include <algorithm>
#include <limits>

QtRectMessage::QtRectMessage(void* target, VXMessageType id)
    : QtMessage(target, id)
{
}

QtRectMessage::~QtRectMessage() = default;

void QtRectMessage::setRect(int x, int y, int width, int height)
{
    // Host numbers: the far edges saturate instead of overflowing.
    const auto edge = [](int from, int extent) {
        const long long far = static_cast<long long>(from) + extent - 1;
        return static_cast<int>(
            std::min<long long>(std::max<long long>(far, std::numeric_limits<int>::min()),
                std::numeric_limits<int>::max()));
    };
    m_left = x;
    m_top = y;
    m_right = edge(x, width);
    m_bottom = edge(y, height);
}
