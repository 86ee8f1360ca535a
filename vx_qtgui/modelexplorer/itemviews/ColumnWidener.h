#pragma once

#include <QFontMetrics>
#include <QFontMetricsF>

#include <array>
#include <string>
#include <vector>

class ListModel;
class VXMEObjectMessageData;

/// Widens a list's non-custom data columns to the values of the records shown to it, one record
/// at a time, so a fill can measure each record in the same pass that makes its row (and frees
/// it). Texts that surely fit are not shaped. GUI thread.
class ColumnWidener {
public:
    ColumnWidener(ListModel& model, int firstDataColumn, const QFont& font);

    /// Measures the record's values, widening the model's header widths; whether one grew.
    bool measure(const VXMEObjectMessageData& record);
    /// No column can grow any more: the rest of a list need not be measured.
    bool done() const { return m_open == 0; }
    /// Some column grew since construction.
    bool widened() const { return m_widened; }

private:
    // The pad plus the sum of the characters' own advances (kerning aside), or -1 for an empty
    // text or one with characters outside the table.
    qreal advanceSum(const std::u16string& text);
    // Whether the standard width of `text` is surely at most `width` by its length alone.
    bool fitsByLength(const std::u16string& text, int width) const;

    ListModel& m_model;
    const int m_offset;
    const int m_columns;
    QFontMetrics m_metrics;
    QFontMetricsF m_metricsF;
    int m_widest = 0;
    qreal m_pad = 0;
    std::array<qreal, 128> m_advance;
    // Columns still able to widen.
    int m_open = 0;
    // Per column, the largest advance sum of a value already shaped and found to fit: values
    // as wide as the widest so far are shaped once, not each time (kerning moves a shaped width
    // by a pixel at most).
    std::vector<qreal> m_fitting;
    bool m_widened = false;
};
