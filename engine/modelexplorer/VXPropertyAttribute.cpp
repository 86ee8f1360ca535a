#include "engine/modelexplorer/VXPropertyAttribute.h"

#include "vrix/Color.h"

VXPropertyAttribute::VXPropertyAttribute(
    bool b0, bool b1, bool b2, bool b3, bool b4, bool b5, bool b6)
{
    const bool bits[] = { b0, b1, b2, b3, b4, b5, b6 };
    for (unsigned i = 0; i < 7; ++i) {
        if (bits[i])
            flags |= std::uint16_t(1u << i);
    }
}

VXPropertyAttribute::~VXPropertyAttribute() = default;

void VXPropertyAttribute::setStyle(const std::string& key, const std::string& value)
{
    if (key == "icon")
        icon = value;
    else if (key == "tooltip")
        tooltip = value;
}

void VXPropertyAttribute::setStyle(const std::string& key, int value)
{
    std::uint16_t bit = 0;
    if (key == "iconalignment")
        bit = IconAlignmentBit;
    else if (key == "bold")
        bit = BoldBit;
    else if (key == "italic")
        bit = ItalicBit;
    if (!bit)
        return;
    if (value == 1)
        flags |= bit;
    else
        flags &= std::uint16_t(~bit);
}

void VXPropertyAttribute::setStyle(const std::string& key, const VRIX::Color& value)
{
    std::string* field = key == "color" ? &color
        : key == "backgroundcolor"      ? &backgroundColor
                                        : nullptr;
    if (!field)
        return;
    const std::uint32_t word = value.rgba();
    *field = std::to_string((word >> 24) & 0xff) + ',' + std::to_string((word >> 16) & 0xff) + ','
        + std::to_string((word >> 8) & 0xff) + ',' + std::to_string(word & 0xff);
}

const std::string& VXPropertyAttribute::getStyle(const std::string& key) const
{
    if (key == "icon")
        return icon;
    if (key == "color")
        return color;
    if (key == "backgroundcolor")
        return backgroundColor;
    return tooltip;
}
