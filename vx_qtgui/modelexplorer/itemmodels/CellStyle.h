#pragma once

#include <QString>

/// The texts of one cell's display attributes (icon path, tool tip, text and background colours).
struct CellStyle {
    QString icon;
    QString tooltip;
    QString color;
    QString backgroundcolor;

    bool isEmpty() const
    {
        return icon.isEmpty() && tooltip.isEmpty() && color.isEmpty() && backgroundcolor.isEmpty();
    }
    friend bool operator==(const CellStyle& a, const CellStyle& b)
    {
        return a.icon == b.icon && a.tooltip == b.tooltip && a.color == b.color
            && a.backgroundcolor == b.backgroundcolor;
    }
};
