#pragma once

#include "vrix/StringID.h"

#include <string>

namespace VRIX {

/// A font description in the host's units: family, size, style and weight. The default font
/// (empty family, size 0) also stands for "no font chosen".
class Font {
public:
    enum Style { StyleNormal = 0, StyleItalic = 1, StyleOblique = 2 };
    enum Weight { WeightNormal = 1, WeightBold = 3 };

    Font() noexcept = default;
    /// A null family gives the empty family.
    Font(const char* family, double size, int style = StyleNormal, int weight = WeightNormal);
    Font(const StringID& family, double size, int style = StyleNormal,
        int weight = WeightNormal) noexcept;

    const StringID& family() const noexcept { return m_family; }
    /// Never null.
    const char* familyName() const noexcept { return m_family.c_str(); }
    double size() const noexcept { return m_size; }
    /// Values other than those of `Style` are kept as given; readers treat them as normal.
    int style() const noexcept { return m_style; }
    /// Values other than those of `Weight` are kept as given; readers treat them as normal.
    int weight() const noexcept { return m_weight; }

    void setFamily(const char* family);
    void setFamily(const StringID& family) noexcept { m_family = family; }
    void setSize(double size) noexcept { m_size = size; }
    void setStyle(int style) noexcept { m_style = style; }
    void setWeight(int weight) noexcept { m_weight = weight; }

    bool isBold() const noexcept { return m_weight == WeightBold; }

    friend bool operator==(const Font& a, const Font& b) noexcept
    {
        return a.m_family == b.m_family && a.m_size == b.m_size && a.m_style == b.m_style
            && a.m_weight == b.m_weight;
    }
    friend bool operator!=(const Font& a, const Font& b) noexcept { return !(a == b); }

private:
    StringID m_family;
    double m_size = 0.0;
    int m_style = StyleNormal;
    int m_weight = WeightNormal;
};

} // namespace VRIX
