#pragma once

#include <cstdint>
#include <string>

namespace VRIX {

/// An RGBA colour, each component a double from 0 to 1. Across the boundary it travels as
/// text of 0..255 integers ("r,g,b[,a]") or as one 32-bit word, red in the top byte.
class Color {
public:
    /// Opaque black.
    Color() noexcept = default;
    Color(double red, double green, double blue, double alpha = 1.0) noexcept
        : m_red(red)
        , m_green(green)
        , m_blue(blue)
        , m_alpha(alpha)
    {
    }

    /// From 0..255 components (out-of-range values are clamped).
    static Color fromBytes(int red, int green, int blue, int alpha = 255) noexcept;
    /// From the packed word: red in bits 24..31, then green, blue, alpha.
    static Color fromRgba(std::uint32_t rgba) noexcept;
    /// Parses "r,g,b" or "r,g,b,a": integers 0..255, blanks around each allowed. Null, empty
    /// text, fewer than three or more than four parts, junk or out-of-range numbers leave
    /// `out` unchanged and return false.
    static bool fromString(const char* text, Color& out);

    double red() const noexcept { return m_red; }
    double green() const noexcept { return m_green; }
    double blue() const noexcept { return m_blue; }
    double alpha() const noexcept { return m_alpha; }
    void setRed(double v) noexcept { m_red = v; }
    void setGreen(double v) noexcept { m_green = v; }
    void setBlue(double v) noexcept { m_blue = v; }
    void setAlpha(double v) noexcept { m_alpha = v; }

    /// A component as 0..255: clamped to 0..1, scaled and rounded; NaN gives 0.
    static int toByte(double component) noexcept;
    int redByte() const noexcept { return toByte(m_red); }
    int greenByte() const noexcept { return toByte(m_green); }
    int blueByte() const noexcept { return toByte(m_blue); }
    int alphaByte() const noexcept { return toByte(m_alpha); }

    std::uint32_t rgba() const noexcept;
    /// Always four parts: "255,255,255,255" for opaque white.
    std::string toString() const;

    friend bool operator==(const Color& a, const Color& b) noexcept
    {
        return a.m_red == b.m_red && a.m_green == b.m_green && a.m_blue == b.m_blue
            && a.m_alpha == b.m_alpha;
    }
    friend bool operator!=(const Color& a, const Color& b) noexcept { return !(a == b); }

private:
    double m_red = 0.0;
    double m_green = 0.0;
    double m_blue = 0.0;
    double m_alpha = 1.0;
};

} // namespace VRIX
