#include "vx_qtgui/modelexplorer/itemviews/ColumnWidener.h"

#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include <algorithm>

// Shaping a text to measure it is what filling costs most. The sum of its characters' advances
// (with the column's padding and two pixels for kerning and rounding) bounds its width from
// above: a text whose bound stays within a column's width cannot widen it and is not measured.
ColumnWidener::ColumnWidener(ListModel& model, int firstDataColumn, const QFont& font)
    : m_model(model)
    , m_offset(firstDataColumn)
    , m_columns(model.columnCount())
    , m_metrics(font)
    , m_metricsF(font)
    , m_fitting(std::size_t(std::max(m_columns, 0)), -1)
{
    m_widest = m_metrics.maxWidth();
    m_pad = m_widest != 0 ? m_widest / 2.0 : m_metrics.horizontalAdvance(QLatin1Char('W'));
    m_advance.fill(-1);
    for (int section = m_offset; section < m_columns; ++section)
        if (!m_model.isCustomHeaderWidth(section)
            && m_model.getHeaderWidth(section) < GuiUtil::ME_MAX_COLWIDTH)
            ++m_open;
}

bool ColumnWidener::fitsByLength(const std::u16string& text, int width) const
{
    return !text.empty() && m_widest > 0 && m_pad + 2 + qreal(text.size()) * m_widest <= width;
}

qreal ColumnWidener::advanceSum(const std::u16string& text)
{
    if (text.empty())
        return -1;
    qreal sum = m_pad;
    for (char16_t c : text) {
        if (c >= m_advance.size())
            return -1;
        qreal& advance = m_advance[c];
        if (advance < 0)
            advance = m_metricsF.horizontalAdvance(QChar(c));
        sum += advance;
    }
    return sum;
}

bool ColumnWidener::measure(const VXMEObjectMessageData& record)
{
    if (done() || !record.listValues)
        return false;
    const int maxWidth = GuiUtil::ME_MAX_COLWIDTH;
    bool grew = false;
    const auto& values = record.listValues->elements();
    for (std::size_t i = 0; i < values.size(); ++i) {
        const int section = int(i) + m_offset;
        if (section >= m_columns || m_model.isCustomHeaderWidth(section))
            continue;
        const int current = m_model.getHeaderWidth(section);
        if (current >= maxWidth || fitsByLength(values[i], current))
            continue;
        const qreal sum = advanceSum(values[i]);
        qreal& fits = m_fitting[std::size_t(section)];
        if (sum >= 0 && (sum + 2 <= current || sum <= fits))
            continue;
        const int wanted
            = GuiUtil::getStandardColumnWidth(GuiUtil::toQString(values[i]), m_metrics);
        if (current < wanted) {
            m_model.updateHeaderWidth(section, wanted, false);
            grew = true;
            if (wanted >= maxWidth)
                --m_open;
        }
        fits = std::max(fits, sum);
    }
    m_widened = m_widened || grew;
    return grew;
}
