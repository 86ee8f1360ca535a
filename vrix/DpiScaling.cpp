#include "vrix/DpiScaling.h"

#include <atomic>
#include <climits>
#include <cmath>

namespace VRIX {

namespace {

std::atomic<double> s_scale { 1.0 };
std::atomic<std::uint64_t> s_generation { 1 };

} // namespace

double dpiScale() noexcept
{
    return s_scale.load(std::memory_order_acquire);
}

void setDpiScale(double scale) noexcept
{
    if (!std::isfinite(scale) || !(scale > 0.0))
        return;
    if (s_scale.exchange(scale, std::memory_order_acq_rel) != scale)
        s_generation.fetch_add(1, std::memory_order_acq_rel);
}

std::uint64_t dpiScaleGeneration() noexcept
{
    return s_generation.load(std::memory_order_acquire);
}

int DpiDetail::roundToInt(double value) noexcept
{
    if (std::isnan(value))
        return 0;
    // std::round rounds halves away from zero; clamp first so the cast stays defined.
    const double rounded = std::round(value);
    if (rounded >= double(INT_MAX))
        return INT_MAX;
    if (rounded <= double(INT_MIN))
        return INT_MIN;
    return int(rounded);
}

int toDpiScaled(int value) noexcept
{
    return DpiDetail::apply(value, DpiDetail::Multiply { dpiScale() });
}

int fromDpiScaled(int value) noexcept
{
    return DpiDetail::apply(value, DpiDetail::Divide { dpiScale() });
}

double toDpiScaled(double value) noexcept
{
    return value * dpiScale();
}

double fromDpiScaled(double value) noexcept
{
    return value / dpiScale();
}

} // namespace VRIX
