#pragma once

namespace VRIX {

/// A point; `VXPoint<int>` in device-independent units unless said otherwise.
template <typename T = int> class VXPoint {
public:
    constexpr VXPoint() noexcept = default;
    constexpr VXPoint(T x, T y) noexcept
        : m_x(x)
        , m_y(y)
    {
    }

    constexpr T x() const noexcept { return m_x; }
    constexpr T y() const noexcept { return m_y; }
    void setX(T x) noexcept { m_x = x; }
    void setY(T y) noexcept { m_y = y; }

    friend constexpr bool operator==(const VXPoint& a, const VXPoint& b) noexcept
    {
        return a.m_x == b.m_x && a.m_y == b.m_y;
    }
    friend constexpr bool operator!=(const VXPoint& a, const VXPoint& b) noexcept
    {
        return !(a == b);
    }

private:
    T m_x {};
    T m_y {};
};

} // namespace VRIX
