#include "vx_qtgui/modelexplorer/search/GuiFilter.h"

#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"

#include <QFontMetrics>
#include <QPainter>

const QString GuiFilter::EqualOp = QStringLiteral(":");
const QChar GuiFilter::DoubleQuotes = QLatin1Char('"');
const QString GuiFilter::ThreeDots = QStringLiteral("...");
const QColor GuiFilter::m_HighLightColor = QColor(Qt::yellow);

GuiFilter::GuiFilter(GuiEdit* edit, QObject* parent)
    : QObject(parent)
    , m_edit(edit)
{
}

GuiFilter::~GuiFilter() = default;

QString GuiFilter::getFilterString() const
{
    if (!m_edit)
        return QString();
    if (const GuiCompleter* completer = m_edit->recordCompleter())
        return completer->prefix();
    return m_edit->text();
}

bool GuiFilter::isMatch(const QString& text) const
{
    const QString filter = getFilterString();
    return !filter.isEmpty() && text.contains(filter, matchCaseCriteria());
}

void GuiFilter::highLight(
    const QString& text, const QRect& rect, const QFontMetrics& fm, QPainter* painter) const
{
    const QString filter = getFilterString();
    if (!painter || filter.isEmpty() || text.isEmpty())
        return;
    const Qt::CaseSensitivity cs = matchCaseCriteria();
    const int right = rect.right();
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(m_HighLightColor);
    for (int at = text.indexOf(filter, 0, cs); at >= 0;
         at = text.indexOf(filter, at + filter.size(), cs)) {
        const int left = rect.left() + fm.horizontalAdvance(text.left(at)) + 2;
        const int width = fm.horizontalAdvance(text.mid(at, filter.size()));
        if (left >= right)
            break;
        if (left + width > right) {
            // The view elides here: leave the dots unpainted.
            const int cut = right - fm.horizontalAdvance(ThreeDots) - left;
            if (cut > 0)
                painter->drawRect(QRect(left, rect.top(), cut, rect.height()));
            break;
        }
        painter->drawRect(QRect(left, rect.top(), width, rect.height()));
    }
    painter->restore();
}

void GuiFilter::clear()
{
    if (m_edit)
        m_edit->clear();
}

void GuiFilter::imSetFilterString(const QString& text)
{
    if (m_edit)
        m_edit->setEditText(text, true);
}

QString GuiFilter::imGetFilterString() const
{
    return m_edit ? m_edit->text() : QString();
}

void GuiFilter::setFont(const QFont& font)
{
    if (m_edit)
        m_edit->setFont(font);
}
