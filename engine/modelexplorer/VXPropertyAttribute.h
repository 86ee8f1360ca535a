#pragma once

#include "vxqtgui_export.h"

#include <cstdint>
#include <string>

namespace VRIX {
class Color;
}

/// Display attributes of one list cell or tree node, as the host describes them.
class VXQTGUI_EXPORT VXPropertyAttribute {
public:
    enum Bit : std::uint16_t {
        IconAlignmentBit = 1u << 7,
        BoldBit = 1u << 8,
        ItalicBit = 1u << 9,
    };
    /// The seven constructor flags are bits 0 to 6, in argument order.
    VXPropertyAttribute(bool b0 = false, bool b1 = false, bool b2 = false, bool b3 = false,
        bool b4 = false, bool b5 = false, bool b6 = false);
    VXPropertyAttribute(const VXPropertyAttribute&) = default;
    VXPropertyAttribute& operator=(const VXPropertyAttribute&) = default;
    virtual ~VXPropertyAttribute();

    /// "icon" and "tooltip"; other keys change nothing.
    void setStyle(const std::string& key, const std::string& value);
    /// "iconalignment", "bold" and "italic": the bit is set for 1 and cleared otherwise.
    void setStyle(const std::string& key, int value);
    /// "color" and "backgroundcolor", written as "r,g,b,a".
    void setStyle(const std::string& key, const VRIX::Color& value);
    /// The string field of that name; the tool tip for any other key.
    const std::string& getStyle(const std::string& key) const;

    std::uint16_t flags = 0;
    std::string tooltip;
    std::string icon;
    std::string color;
    std::string backgroundColor;
};
