#include "vrix/Color.h"

#include <algorithm>
#include <cmath>

namespace VRIX {

namespace {

double fromByte(int v) noexcept
{
    return std::clamp(v, 0, 255) / 255.0;
}

bool isBlank(char c) noexcept
{
    return c == ' ' || c == '\t';
}

// One decimal 0..255 between blanks, ending at `end`. No sign, no empty field.
bool parseComponent(const char* begin, const char* end, int& out) noexcept
{
    while (begin < end && isBlank(*begin))
        ++begin;
    while (end > begin && isBlank(end[-1]))
        --end;
    if (begin == end)
        return false;
    int value = 0;
    for (const char* p = begin; p < end; ++p) {
        if (*p < '0' || *p > '9')
            return false;
        value = value * 10 + (*p - '0');
        if (value > 255) // also stops long digit runs before they overflow
            return false;
    }
    out = value;
    return true;
}

} // namespace

Color Color::fromBytes(int red, int green, int blue, int alpha) noexcept
{
    return Color(fromByte(red), fromByte(green), fromByte(blue), fromByte(alpha));
}

Color Color::fromRgba(std::uint32_t rgba) noexcept
{
    return fromBytes(
        int(rgba >> 24 & 0xff), int(rgba >> 16 & 0xff), int(rgba >> 8 & 0xff), int(rgba & 0xff));
}

bool Color::fromString(const char* text, Color& out)
{
    if (!text)
        return false;
    int parts[4] = { 0, 0, 0, 255 };
    int count = 0;
    const char* begin = text;
    for (;;) {
        const char* end = begin;
        while (*end && *end != ',')
            ++end;
        if (count == 4 || !parseComponent(begin, end, parts[count]))
            return false;
        ++count;
        if (!*end)
            break;
        begin = end + 1;
    }
    if (count < 3)
        return false;
    out = fromBytes(parts[0], parts[1], parts[2], parts[3]);
    return true;
}

int Color::toByte(double component) noexcept
{
    if (!(component > 0.0)) // also catches NaN
        return 0;
    if (component >= 1.0)
        return 255;
    return int(std::lround(component * 255.0));
}

std::uint32_t Color::rgba() const noexcept
{
    return std::uint32_t(redByte()) << 24 | std::uint32_t(greenByte()) << 16
        | std::uint32_t(blueByte()) << 8 | std::uint32_t(alphaByte());
}

std::string Color::toString() const
{
    return std::to_string(redByte()) + "," + std::to_string(greenByte()) + ","
        + std::to_string(blueByte()) + "," + std::to_string(alphaByte());
}

} // namespace VRIX
