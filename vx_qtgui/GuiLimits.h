#pragma once

#include <algorithm>

/// Bounds on the numbers a host passes that Qt would turn into an allocation, an array index
/// or a loop count. Every handler reads them from here; docs/RELIABILITY.md lists them. Values
/// are chosen far above any real form and far below where Qt's arithmetic overflows.
struct GuiLimits {
    /// Highest grid row or column a host may name (a cell, or the end of a span).
    static constexpr int MaxGridIndex = 999;
    /// Highest stretch factor of a grid row or column or a box item; a grid's sum then stays
    /// below 10^6, far from where Qt's layout arithmetic overflows.
    static constexpr int MaxStretch = 1000;
    /// Highest splitter stretch factor (Qt keeps it in 8 bits).
    static constexpr int MaxSplitterStretch = 255;
    /// Largest width or height in device-independent units: spacers, minimum and maximum
    /// sizes, splitter sizes. Qt's own widget size limit.
    static constexpr int MaxExtent = (1 << 24) - 1;
    /// Largest layout margin.
    static constexpr int MaxMargin = 1000;
    /// Largest font point size; glyphs are rasterised at this size.
    static constexpr int MaxPointSize = 1000;
    /// Slider values stay within ±this, so that Qt's `maximum + 1` cannot overflow.
    static constexpr int MaxSliderMagnitude = 1000000000;
    /// Most tick marks a slider paints; a finer interval is widened to this many.
    static constexpr int MaxSliderTicks = 1000;

    /// Longest text a document view (text browser, edit area) lays out, in UTF-16 units.
    static constexpr int MaxDocumentChars = 1 << 19;
    /// Longest text a message box lays out, in UTF-16 units.
    static constexpr int MaxLabelChars = 1 << 14;
    /// Longest run without a break opportunity handed to Qt's line breaking; a longer one gets
    /// a zero-width space (Qt's wrapping of one long word grows with its square).
    static constexpr int MaxUnbrokenRun = 200;
    /// Largest file a view reads, in bytes.
    static constexpr long long MaxFileBytes = 10LL << 20;

    static constexpr int clamp(int value, int low, int high)
    {
        return std::min(std::max(value, low), high);
    }
    static constexpr int stretch(int value) { return clamp(value, 0, MaxStretch); }
    static constexpr int extent(int value) { return clamp(value, 0, MaxExtent); }
    static constexpr bool isGridIndex(int value) { return value >= 0 && value <= MaxGridIndex; }
};
