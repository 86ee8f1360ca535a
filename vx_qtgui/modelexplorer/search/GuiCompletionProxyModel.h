#pragma once

#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"

#include <QAbstractProxyModel>
#include <QPointer>
#include <QStringMatcher>

#include <vector>

class GuiCompleter;

/// The rows of a completer's popup: the rows of its `ListModel`, in their order, whose text in
/// the completion column matches the prefix by the completer's rule (contains, starts with or
/// ends with). The rows of recent prefixes are kept: a prefix that extends one of them only tests
/// that one's rows, and erasing back to a prefix seen before tests nothing. GUI thread.
class GuiCompletionProxyModel : public QAbstractProxyModel {
    Q_OBJECT

public:
    explicit GuiCompletionProxyModel(GuiCompleter* completer, QObject* parent = nullptr);
    ~GuiCompletionProxyModel() override;

    /// Only a `ListModel` is shown; any other model shows no rows.
    void setSourceModel(QAbstractItemModel* model) override;
    ListModel* listModel() const { return m_model; }

    /// Re-filters for the completer's current prefix, column, mode and case rule.
    void refilter();
    /// Off shows every row.
    bool isFilterEnabled() const { return m_filterEnabled; }
    void setFilterEnabled(bool enabled);
    /// The rows changed: the next filtering tests every row.
    void forgetMatches();

    QModelIndex index(
        int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    bool narrows(const QString& shorter, const QString& prefix) const;
    bool sameRule() const;
    bool matches(int sourceRow) const;
    /// Prepares the matcher and, for a case-insensitive rule, the folded texts of the column.
    void prepareMatching();
    void showAll();
    void sourceChanged();

    GuiCompleter* m_completer;
    QPointer<ListModel> m_model;
    std::vector<int> m_rows;
    bool m_filterEnabled = false;
    // What the rows shown were filtered with.
    QString m_lastPrefix;
    int m_lastColumn = -1;
    int m_lastRule = -1;
    int m_lastMode = -1;
    Qt::CaseSensitivity m_lastCase = Qt::CaseInsensitive;
    bool m_haveLast = false;
    // The rows of the prefixes typed since the rule or the rows last changed, newest last.
    struct Seen {
        QString prefix;
        std::vector<int> rows;
    };
    std::vector<Seen> m_seen;
    std::size_t m_seenRows = 0;
    QStringMatcher m_contains;
    // Case-insensitive matching compares case-folded copies, made once per column and rows:
    // a case-sensitive search over them is several times faster than folding on every test.
    std::vector<QString> m_folded;
    int m_foldedColumn = -1;
    bool m_useFolded = false;
    QString m_foldedPrefix;
    QList<QMetaObject::Connection> m_sourceConnections;
};
