#include "vx_qtgui/modelexplorer/search/GuiListFilter.h"

#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"

#include <QTimerEvent>

int GuiListFilter::m_FilterTimerDelay = 200;

GuiListFilter::GuiListFilter(GuiEdit* edit, ListProxyModel* proxy, QObject* parent)
    : GuiFilter(edit, parent)
    , m_proxy(proxy)
{
    if (edit)
        connect(edit, &QLineEdit::textChanged, this, &GuiListFilter::onTextChanged);
}

GuiListFilter::~GuiListFilter() = default;

QString GuiListFilter::rawText() const
{
    // A completing edit filters by what the completer matches.
    return GuiFilter::getFilterString();
}

bool GuiListFilter::isDoubleQuotedString(const QString& text)
{
    return text.size() >= 2 && text.startsWith(DoubleQuotes) && text.endsWith(DoubleQuotes);
}

bool GuiListFilter::splitColumn(QString* column, QString* value) const
{
    const QString text = rawText();
    if (isDoubleQuotedString(text))
        return false;
    const QStringList parts = text.split(EqualOp);
    if (parts.size() != 2)
        return false;
    const ListModel* model = m_proxy ? m_proxy->listModel() : nullptr;
    const QString name = parts[0].trimmed();
    if (name.isEmpty() || !model || model->getHeaderSection(name, Qt::CaseInsensitive) < 0)
        return false;
    if (column)
        *column = name;
    if (value)
        *value = parts[1].trimmed();
    return true;
}

QString GuiListFilter::getFilterColumn() const
{
    QString column;
    return splitColumn(&column, nullptr) ? column : QString();
}

int GuiListFilter::getFilterColumnIndex() const
{
    const QString column = getFilterColumn();
    const ListModel* model = m_proxy ? m_proxy->listModel() : nullptr;
    if (column.isEmpty() || !model)
        return -1;
    return model->getHeaderSection(column, Qt::CaseInsensitive);
}

QString GuiListFilter::getFilterString() const
{
    const QString text = rawText();
    if (isDoubleQuotedString(text))
        return text.mid(1, text.size() - 2);
    QString value;
    if (splitColumn(nullptr, &value))
        return value;
    return text.trimmed();
}

Qt::CaseSensitivity GuiListFilter::matchCaseCriteria() const
{
    return isDoubleQuotedString(rawText()) ? Qt::CaseSensitive : Qt::CaseInsensitive;
}

void GuiListFilter::onTextChanged()
{
    const bool filtering = m_proxy && m_proxy->isFilterEnabled();
    if (m_timerId != -1) {
        killTimer(m_timerId);
        m_timerId = -1;
    }
    if (filtering && rawText().isEmpty()) {
        applyFilter();
        return;
    }
    m_timerId = startTimer(m_FilterTimerDelay);
}

void GuiListFilter::timerEvent(QTimerEvent* event)
{
    if (event->timerId() != m_timerId) {
        GuiFilter::timerEvent(event);
        return;
    }
    killTimer(m_timerId);
    m_timerId = -1;
    applyFilter();
}

void GuiListFilter::applyFilter()
{
    if (m_timerId != -1) {
        killTimer(m_timerId);
        m_timerId = -1;
    }
    const QString text = getFilterString();
    const QString column = getFilterColumn();
    emit filterChanged(text);
    if (!m_proxy)
        return;
    // The text first, so that switching filtering on maps the rows once, already narrowed.
    const bool on = !text.isEmpty() || !column.isEmpty();
    if (!on)
        m_proxy->setFilterEnabled(false);
    m_proxy->filter(text, column, matchCaseCriteria());
    if (on)
        m_proxy->setFilterEnabled(true);
}
