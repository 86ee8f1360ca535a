#pragma once

#include "vx_qtgui/modelexplorer/search/GuiListFilter.h"

class GuiCompleter;

/// The filter of a completer's popup: its text is the completer's prefix, matched in the
/// completion column with the completer's match mode and case rule; it marks the matches the
/// popup shows. The edit field's own refresh timer paces the completer's filtering, so this
/// filter drives no list proxy of its own. GUI thread.
class GuiListAutoCompleterFilter : public GuiListFilter {
    Q_OBJECT

public:
    /// Bound to `edit`, whose completer's rows it filters through the completer.
    GuiListAutoCompleterFilter(GuiEdit* edit, GuiCompleter* completer, QObject* parent = nullptr);
    ~GuiListAutoCompleterFilter() override;

    QString getFilterColumn() const override;
    int getFilterColumnIndex() const override;
    QString getFilterString() const override;
    Qt::CaseSensitivity matchCaseCriteria() const override;
    bool isMatch(const QString& text) const override;

protected:
    QString rawText() const override;

private:
    GuiCompleter* m_completer;
};
