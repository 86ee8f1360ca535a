#include "vx_qtgui/modelexplorer/search/GuiCompletionProxyModel.h"

#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"

#include <algorithm>

GuiCompletionProxyModel::GuiCompletionProxyModel(GuiCompleter* completer, QObject* parent)
    : QAbstractProxyModel(parent)
    , m_completer(completer)
{
}

GuiCompletionProxyModel::~GuiCompletionProxyModel() = default;

void GuiCompletionProxyModel::setSourceModel(QAbstractItemModel* model)
{
    beginResetModel();
    for (const QMetaObject::Connection& c : qAsConst(m_sourceConnections))
        disconnect(c);
    m_sourceConnections.clear();
    m_model = qobject_cast<ListModel*>(model);
    QAbstractProxyModel::setSourceModel(model);
    if (m_model) {
        // The completer refills its model whole; any change shows the rows afresh.
        const auto aboutToChange = [this] { beginResetModel(); };
        const auto changed = [this] { sourceChanged(); };
        m_sourceConnections
            << connect(m_model, &QAbstractItemModel::modelAboutToBeReset, this, aboutToChange)
            << connect(m_model, &QAbstractItemModel::modelReset, this, changed)
            << connect(m_model, &QAbstractItemModel::rowsAboutToBeInserted, this, aboutToChange)
            << connect(m_model, &QAbstractItemModel::rowsInserted, this, changed)
            << connect(m_model, &QAbstractItemModel::rowsAboutToBeRemoved, this, aboutToChange)
            << connect(m_model, &QAbstractItemModel::rowsRemoved, this, changed)
            << connect(m_model, &QAbstractItemModel::layoutAboutToBeChanged, this, aboutToChange)
            << connect(m_model, &QAbstractItemModel::layoutChanged, this, changed)
            << connect(m_model, &QAbstractItemModel::dataChanged, this,
                   [this](const QModelIndex& first, const QModelIndex& last) {
                       m_foldedColumn = -1;
                       forgetMatches();
                       if (!m_rows.empty())
                           emit dataChanged(index(0, first.column()),
                               index(int(m_rows.size()) - 1, last.column()));
                   });
    }
    forgetMatches();
    m_filterEnabled = false;
    m_foldedColumn = -1;
    m_folded.clear();
    m_rows.clear();
    const int rows = m_model ? m_model->rowCount() : 0;
    m_rows.resize(std::size_t(rows));
    for (int r = 0; r < rows; ++r)
        m_rows[std::size_t(r)] = r;
    endResetModel();
}

void GuiCompletionProxyModel::prepareMatching()
{
    const QString& prefix = m_completer->prefix();
    m_useFolded = m_completer->caseSensitivity() == Qt::CaseInsensitive;
    if (!m_useFolded) {
        m_contains = QStringMatcher(prefix, Qt::CaseSensitive);
        return;
    }
    m_foldedPrefix = prefix.toCaseFolded();
    m_contains = QStringMatcher(m_foldedPrefix, Qt::CaseSensitive);
    const int column = m_completer->completionColumn();
    const ListItem* root = m_model ? m_model->root() : nullptr;
    const int rows = root ? root->childCount() : 0;
    if (m_foldedColumn == column && int(m_folded.size()) == rows)
        return;
    m_folded.assign(std::size_t(rows), QString());
    for (int r = 0; r < rows; ++r) {
        const ListItem* item = root->child(r);
        if (column < 0 || column >= item->valueCount())
            continue;
        int length = 0;
        const QChar* text = item->cells().textData(column, &length);
        if (text)
            m_folded[std::size_t(r)] = QString(text, length).toCaseFolded();
    }
    m_foldedColumn = column;
}

void GuiCompletionProxyModel::sourceChanged()
{
    forgetMatches();
    m_foldedColumn = -1;
    m_folded.clear();
    showAll();
    if (m_filterEnabled && m_completer) {
        // Filter again over the new rows, still inside the reset the source began.
        prepareMatching();
        std::vector<int> kept;
        for (int row : m_rows) {
            if (matches(row))
                kept.push_back(row);
        }
        m_rows.swap(kept);
    }
    endResetModel();
}

void GuiCompletionProxyModel::showAll()
{
    const int rows = m_model ? m_model->rowCount() : 0;
    m_rows.resize(std::size_t(rows));
    for (int r = 0; r < rows; ++r)
        m_rows[std::size_t(r)] = r;
}

void GuiCompletionProxyModel::setFilterEnabled(bool enabled)
{
    if (enabled == m_filterEnabled)
        return;
    beginResetModel();
    m_filterEnabled = enabled;
    forgetMatches();
    showAll();
    endResetModel();
}

namespace {
// Most row numbers kept for earlier prefixes (a few megabytes).
constexpr std::size_t kMaxSeenRows = 2000000;
} // namespace

void GuiCompletionProxyModel::forgetMatches()
{
    m_haveLast = false;
    m_seen.clear();
    m_seenRows = 0;
}

bool GuiCompletionProxyModel::sameRule() const
{
    return m_haveLast && m_filterEnabled && m_lastColumn == m_completer->completionColumn()
        && m_lastRule == m_completer->matchRule() && m_lastMode == int(m_completer->filterMode())
        && m_lastCase == m_completer->caseSensitivity();
}

bool GuiCompletionProxyModel::narrows(const QString& shorter, const QString& prefix) const
{
    const Qt::CaseSensitivity cs = m_completer->caseSensitivity();
    // Whatever matches the longer text also matched the shorter one inside it.
    switch (m_completer->filterMode()) {
    case Qt::MatchContains:
        return prefix.contains(shorter, cs);
    case Qt::MatchEndsWith:
        return prefix.endsWith(shorter, cs);
    default:
        return prefix.startsWith(shorter, cs);
    }
}

bool GuiCompletionProxyModel::matches(int sourceRow) const
{
    const QString& prefix = m_completer->prefix();
    if (m_completer->matchRule() == GuiCompleter::MatchAll || prefix.isEmpty())
        return true;
    if (m_useFolded && std::size_t(sourceRow) < m_folded.size()) {
        const QString& text = m_folded[std::size_t(sourceRow)];
        switch (m_completer->filterMode()) {
        case Qt::MatchContains:
            // Candidates are short: a plain search beats a skip table built for long texts.
            return QStringView(text).indexOf(QStringView(m_foldedPrefix)) >= 0;
        case Qt::MatchEndsWith:
            return text.endsWith(m_foldedPrefix);
        default:
            return text.startsWith(m_foldedPrefix);
        }
    }
    const ListItem* root = m_model ? m_model->root() : nullptr;
    const ListItem* item = root ? root->child(sourceRow) : nullptr;
    const int column = m_completer->completionColumn();
    if (!item || column < 0 || column >= item->valueCount())
        return false;
    int length = 0;
    const QChar* text = item->cells().textData(column, &length);
    if (!text)
        return false;
    if (m_completer->filterMode() == Qt::MatchContains)
        return m_contains.indexIn(text, length) >= 0;
    return m_completer->itemMatches(
        QStringView(text, length), prefix, m_completer->caseSensitivity());
}

void GuiCompletionProxyModel::refilter()
{
    if (!m_completer)
        return;
    const QString prefix = m_completer->prefix();
    if (!sameRule())
        forgetMatches();
    // The rows of this very prefix, or of the longest earlier one it extends.
    const Seen* exact = nullptr;
    const Seen* base = nullptr;
    for (const Seen& seen : m_seen) {
        if (seen.prefix == prefix)
            exact = &seen;
        else if (narrows(seen.prefix, prefix)
            && (!base || seen.prefix.size() > base->prefix.size()))
            base = &seen;
    }
    beginResetModel();
    m_filterEnabled = true;
    if (exact) {
        m_rows = exact->rows;
    } else {
        if (base)
            m_rows = base->rows;
        else
            showAll();
        prepareMatching();
        std::vector<int> kept;
        kept.reserve(m_rows.size());
        for (int row : m_rows) {
            if (matches(row))
                kept.push_back(row);
        }
        m_rows.swap(kept);
        if (m_seenRows + m_rows.size() > kMaxSeenRows)
            forgetMatches();
        m_seen.push_back({ prefix, m_rows });
        m_seenRows += m_rows.size();
    }
    endResetModel();
    m_lastPrefix = prefix;
    m_lastColumn = m_completer->completionColumn();
    m_lastRule = m_completer->matchRule();
    m_lastMode = int(m_completer->filterMode());
    m_lastCase = m_completer->caseSensitivity();
    m_haveLast = true;
}

QModelIndex GuiCompletionProxyModel::index(int row, int column, const QModelIndex& parent) const
{
    if (parent.isValid() || row < 0 || column < 0 || row >= int(m_rows.size())
        || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column);
}

QModelIndex GuiCompletionProxyModel::parent(const QModelIndex&) const
{
    return QModelIndex();
}

int GuiCompletionProxyModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int GuiCompletionProxyModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() || !m_model ? 0 : m_model->columnCount();
}

QModelIndex GuiCompletionProxyModel::mapToSource(const QModelIndex& proxyIndex) const
{
    if (!m_model || !proxyIndex.isValid() || proxyIndex.model() != this
        || proxyIndex.row() >= int(m_rows.size()))
        return QModelIndex();
    return m_model->index(m_rows[std::size_t(proxyIndex.row())], proxyIndex.column());
}

QModelIndex GuiCompletionProxyModel::mapFromSource(const QModelIndex& sourceIndex) const
{
    if (!m_model || !sourceIndex.isValid() || sourceIndex.model() != m_model
        || sourceIndex.parent().isValid())
        return QModelIndex();
    // The rows stay in source order.
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), sourceIndex.row());
    if (found == m_rows.end() || *found != sourceIndex.row())
        return QModelIndex();
    return createIndex(int(found - m_rows.begin()), sourceIndex.column());
}

QVariant GuiCompletionProxyModel::headerData(
    int section, Qt::Orientation orientation, int role) const
{
    if (!m_model || orientation != Qt::Horizontal)
        return QAbstractProxyModel::headerData(section, orientation, role);
    return m_model->headerData(section, orientation, role);
}
