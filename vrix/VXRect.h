#pragma once

#include <type_traits>

namespace VRIX {

/// A rectangle as x, y, width and height (the form returned to the host). For integer
/// rectangles `right`/`bottom` are inclusive: x + width - 1, y + height - 1.
template <typename T = int> class VXRect {
public:
    constexpr VXRect() noexcept = default;
    constexpr VXRect(T x, T y, T width, T height) noexcept
        : m_x(x)
        , m_y(y)
        , m_width(width)
        , m_height(height)
    {
    }

    /// From inclusive edges, the form in which rectangles are sent to widgets.
    static constexpr VXRect fromEdges(T left, T top, T right, T bottom) noexcept
    {
        static_assert(std::is_integral<T>::value, "inclusive edges only make sense for ints");
        return VXRect(left, top, right - left + 1, bottom - top + 1);
    }

    constexpr T x() const noexcept { return m_x; }
    constexpr T y() const noexcept { return m_y; }
    constexpr T width() const noexcept { return m_width; }
    constexpr T height() const noexcept { return m_height; }
    constexpr T left() const noexcept { return m_x; }
    constexpr T top() const noexcept { return m_y; }
    constexpr T right() const noexcept
    {
        static_assert(std::is_integral<T>::value, "inclusive edges only make sense for ints");
        return m_x + m_width - 1;
    }
    constexpr T bottom() const noexcept
    {
        static_assert(std::is_integral<T>::value, "inclusive edges only make sense for ints");
        return m_y + m_height - 1;
    }
    constexpr bool isEmpty() const noexcept { return !(m_width > 0) || !(m_height > 0); }

    void setX(T x) noexcept { m_x = x; }
    void setY(T y) noexcept { m_y = y; }
    void setWidth(T width) noexcept { m_width = width; }
    void setHeight(T height) noexcept { m_height = height; }

    friend constexpr bool operator==(const VXRect& a, const VXRect& b) noexcept
    {
        return a.m_x == b.m_x && a.m_y == b.m_y && a.m_width == b.m_width
            && a.m_height == b.m_height;
    }
    friend constexpr bool operator!=(const VXRect& a, const VXRect& b) noexcept
    {
        return !(a == b);
    }

private:
    T m_x {};
    T m_y {};
    T m_width {};
    T m_height {};
};

} // namespace VRIX
