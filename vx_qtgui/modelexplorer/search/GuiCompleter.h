#pragma once

#include "engine/modelexplorer/VXMEObjectData.h"

#include <QCompleter>
#include <QStringView>

#include <vector>

class GuiCompletionProxyModel;
class GuiEdit;
class GuiListAutoCompleterFilter;
class GuiListView;
class ListModel;
class VXUStringList;

/// The record-aware completer of an edit field: its popup is an explorer list view with a header
/// over the explorer records the host supplies, filtered by the typed prefix in the completion
/// column.
/// Filtering is its own (the Qt side completes unfiltered over the filtered rows), so a prefix
/// never makes Qt walk the rows. GUI thread.
class GuiCompleter : public QCompleter {
    Q_OBJECT

public:
    /// How a row's text is matched against the prefix.
    enum MatchRule {
        MatchAll, ///< unfiltered popup: every row stays
        MatchFiltered, ///< the filter mode decides
    };

    static constexpr int MaxVisibleRows = 10;
    static constexpr int RowHeight = 21;
    /// Most columns shown; the host's further values are left out.
    static constexpr int MaxColumns = 64;

    explicit GuiCompleter(GuiEdit* edit);
    ~GuiCompleter() override;

    ListModel* listModel() const { return m_model; }
    GuiCompletionProxyModel* proxyModel() const { return m_proxy; }
    GuiListView* listView() const { return m_view; }
    GuiListAutoCompleterFilter* filter() const { return m_filter; }

    /// The text suggestions are matched against (not Qt's completion prefix, which stays empty).
    const QString& prefix() const { return m_prefix; }
    void setPrefix(const QString& prefix) { m_prefix = prefix; }

    /// 1 unfiltered popup, 2 inline, anything else a filtered popup.
    void setHostCompletionMode(int mode);
    QCompleter::CompletionMode hostCompletionMode() const { return m_mode; }
    /// 1 contains, 2 ends with, anything else starts with.
    void setHostMatchOption(int option);
    MatchRule matchRule() const
    {
        return m_mode == QCompleter::UnfilteredPopupCompletion ? MatchAll : MatchFiltered;
    }

    /// Whether `item` passes `prefix` under the current completion and filter modes.
    bool itemMatches(QStringView item, QStringView prefix, Qt::CaseSensitivity cs) const;

    /// Fixes the popup's height for `rows` rows (at most ten) and the header; 0 keeps it.
    void adjustViewHeight(int rows);
    /// Refills the suggestions from the host's records (which stay the caller's) for `prefix`.
    void updateModel(const VXMEObjectDataList* records, const QString& prefix);
    /// Selects the first suggestion.
    void initCustomCompletion();
    /// Replaces the suggestions by plain strings, one per row.
    void updateView(const VXUStringList* list);
    /// Filters for the current prefix and shows the popup, or hides it when nothing matches.
    void refresh();
    /// Shows the popup with the rows as they are (hidden when there are none).
    void showSuggestions();
    /// Appends row count, column count, column titles and the shown texts (new objects the
    /// caller owns); the number of rows written.
    int fillVectorWithListViewText(std::vector<void*>* out) const;
    /// The column the prefix is matched in: the first text column whose first row matches.
    int getCompletionColumn() const;

public slots:
    void slotSuggestionSelected(const QModelIndex& proxyIndex);

signals:
    /// A suggestion was chosen; `text` is its completion-column text.
    void suggestionChosen(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sizeColumns();

    GuiEdit* m_edit;
    ListModel* const m_model;
    GuiCompletionProxyModel* m_proxy;
    GuiListView* m_view;
    GuiListAutoCompleterFilter* m_filter;
    QString m_prefix;
    QCompleter::CompletionMode m_mode = QCompleter::PopupCompletion;
};
