#include "vx_qtgui/modelexplorer/search/GuiListAutoCompleterFilter.h"

#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"

GuiListAutoCompleterFilter::GuiListAutoCompleterFilter(
    GuiEdit* edit, GuiCompleter* completer, QObject* parent)
    : GuiListFilter(edit, nullptr, parent)
    , m_completer(completer)
{
    // Bound to the field, but its typing is paced by the field's own refresh of the completer.
    if (edit)
        disconnect(edit, &QLineEdit::textChanged, this, &GuiListFilter::onTextChanged);
}

GuiListAutoCompleterFilter::~GuiListAutoCompleterFilter() = default;

QString GuiListAutoCompleterFilter::rawText() const
{
    return m_completer ? m_completer->prefix() : QString();
}

QString GuiListAutoCompleterFilter::getFilterColumn() const
{
    const ListModel* model = m_completer ? m_completer->listModel() : nullptr;
    const int column = getFilterColumnIndex();
    if (!model || column < 0 || column >= model->columnCount())
        return QString();
    return model->headers()[std::size_t(column)].name;
}

int GuiListAutoCompleterFilter::getFilterColumnIndex() const
{
    return m_completer ? m_completer->completionColumn() : -1;
}

QString GuiListAutoCompleterFilter::getFilterString() const
{
    return rawText();
}

Qt::CaseSensitivity GuiListAutoCompleterFilter::matchCaseCriteria() const
{
    return m_completer ? m_completer->caseSensitivity() : Qt::CaseInsensitive;
}

bool GuiListAutoCompleterFilter::isMatch(const QString& text) const
{
    const QString prefix = rawText();
    return m_completer && !prefix.isEmpty()
        && m_completer->itemMatches(text, prefix, matchCaseCriteria());
}
