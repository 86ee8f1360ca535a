#pragma once

#include <cstdint>
#include <type_traits>
#include <utility>

namespace VRIX {

/// The display scale factor, device pixels per device-independent unit. 1.0 until set.
double dpiScale() noexcept;
/// Sets the process-wide factor; values that are not finite and positive are ignored.
void setDpiScale(double scale) noexcept;
/// Bumped by every effective `setDpiScale`, so cached scaled values know when to recompute.
std::uint64_t dpiScaleGeneration() noexcept;

/// `value` × factor, rounded half away from zero and clamped to the int range.
int toDpiScaled(int value) noexcept;
/// `value` ÷ factor, rounded the same way.
int fromDpiScaled(int value) noexcept;
double toDpiScaled(double value) noexcept;
double fromDpiScaled(double value) noexcept;

namespace DpiDetail {

int roundToInt(double value) noexcept;

struct Multiply {
    double factor;
    double operator()(double v) const noexcept { return v * factor; }
};
struct Divide {
    double factor;
    double operator()(double v) const noexcept { return v / factor; }
};
template <class Op> int apply(int value, Op op) noexcept
{
    return roundToInt(op(value));
}
template <class Op> double apply(double value, Op op) noexcept
{
    return op(value);
}

template <class T, class = void> struct IsRectLike : std::false_type {
};
template <class T>
struct IsRectLike<T,
    std::void_t<decltype(std::declval<const T&>().x()), decltype(std::declval<const T&>().y()),
        decltype(std::declval<const T&>().width()), decltype(std::declval<const T&>().height())>>
    : std::true_type {
};

template <class T, class = void> struct IsPointLike : std::false_type {
};
template <class T>
struct IsPointLike<T,
    std::void_t<decltype(std::declval<const T&>().x()), decltype(std::declval<const T&>().y())>>
    : std::bool_constant<!IsRectLike<T>::value> {
};

template <class T, class = void> struct IsSizeLike : std::false_type {
};
template <class T>
struct IsSizeLike<T,
    std::void_t<decltype(std::declval<const T&>().width()),
        decltype(std::declval<const T&>().height())>> : std::bool_constant<!IsRectLike<T>::value> {
};

template <class R, class Op> R scaleRect(const R& r, Op op)
{
    return R(apply(r.x(), op), apply(r.y(), op), apply(r.width(), op), apply(r.height(), op));
}
template <class P, class Op> P scalePoint(const P& p, Op op)
{
    return P(apply(p.x(), op), apply(p.y(), op));
}
template <class S, class Op> S scaleSize(const S& s, Op op)
{
    return S(apply(s.width(), op), apply(s.height(), op));
}

} // namespace DpiDetail

// Rectangles, points and sizes of any type shaped like VXRect, VXPoint or a width/height pair
// (the GUI side passes its own geometry types; this library stays free of them). Each
// coordinate and extent is scaled on its own: integers rounded half away from zero, floating
// values exactly.

template <class R, std::enable_if_t<DpiDetail::IsRectLike<R>::value, int> = 0>
R toDpiScaled(const R& rect)
{
    return DpiDetail::scaleRect(rect, DpiDetail::Multiply { dpiScale() });
}
template <class R, std::enable_if_t<DpiDetail::IsRectLike<R>::value, int> = 0>
R fromDpiScaled(const R& rect)
{
    return DpiDetail::scaleRect(rect, DpiDetail::Divide { dpiScale() });
}

template <class P, std::enable_if_t<DpiDetail::IsPointLike<P>::value, int> = 0>
P toDpiScaled(const P& point)
{
    return DpiDetail::scalePoint(point, DpiDetail::Multiply { dpiScale() });
}
template <class P, std::enable_if_t<DpiDetail::IsPointLike<P>::value, int> = 0>
P fromDpiScaled(const P& point)
{
    return DpiDetail::scalePoint(point, DpiDetail::Divide { dpiScale() });
}

template <class S, std::enable_if_t<DpiDetail::IsSizeLike<S>::value, int> = 0>
S toDpiScaled(const S& size)
{
    return DpiDetail::scaleSize(size, DpiDetail::Multiply { dpiScale() });
}
template <class S, std::enable_if_t<DpiDetail::IsSizeLike<S>::value, int> = 0>
S fromDpiScaled(const S& size)
{
    return DpiDetail::scaleSize(size, DpiDetail::Divide { dpiScale() });
}

} // namespace VRIX
