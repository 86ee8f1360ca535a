#include "vx_qtgui/modelexplorer/search/GuiCompleter.h"

#include "engine/VXBridge.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "vrix/VXUStringList.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/search/GuiCompletionProxyModel.h"
#include "vx_qtgui/modelexplorer/search/GuiFilterHighlightDelegate.h"
#include "vx_qtgui/modelexplorer/search/GuiListAutoCompleterFilter.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>

namespace {

const VXMEObjectMessageData* asRow(const VXMEObjectData* record)
{
    return dynamic_cast<const VXMEObjectMessageData*>(record);
}

QString textOf(const std::u16string& text)
{
    return QString::fromUtf16(text.data(), int(text.size()));
}

} // namespace

GuiCompleter::GuiCompleter(GuiEdit* edit)
    : QCompleter(edit)
    , m_edit(edit)
    , m_model(new ListModel(false, this))
    , m_proxy(new GuiCompletionProxyModel(this, this))
{
    m_proxy->setSourceModel(m_model);
    // The popup belongs to no explorer: it has no owner to send list events for.
    m_view = new GuiListView(m_model, m_proxy, nullptr);
    m_filter = new GuiListAutoCompleterFilter(edit, this, this);
    setModel(m_proxy);
    setCaseSensitivity(Qt::CaseInsensitive);
    setMaxVisibleItems(MaxVisibleRows);
    // The rows are filtered here; Qt only shows them, so it never walks them for a prefix.
    QCompleter::setCompletionMode(QCompleter::UnfilteredPopupCompletion);

    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->header()->setSectionsClickable(true);
    m_view->header()->setSectionResizeMode(QHeaderView::Interactive);
    m_view->header()->setStretchLastSection(false);
    m_view->setRootIsDecorated(false);
    m_view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setAllColumnsShowFocus(true);
    m_view->setUniformRowHeights(true);
    m_view->enableFreezePane(false);
    m_view->setFilter(m_filter);
    // A press on a suggestion chooses it; it never drags the rows anywhere.
    m_view->setDragDropMode(QAbstractItemView::NoDragDrop);
    m_view->viewport()->setAcceptDrops(false);
    // Header of the height the popup is sized for, no frame around the rows.
    m_view->header()->setFixedHeight(RowHeight);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setPopup(m_view);
    // After setPopup, which gives the popup Qt's own delegate: rows of the height the popup is
    // sized for, the matches marked.
    auto* delegate = new GuiFilterHighlightDelegate(m_filter, m_view);
    delegate->setRowHeight(RowHeight);
    m_view->setItemDelegate(delegate);
    setWidget(edit);

    connect(this, QOverload<const QString&>::of(&QCompleter::activated), this,
        &GuiCompleter::suggestionChosen);
}

GuiCompleter::~GuiCompleter() = default;

bool GuiCompleter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress && m_edit) {
        auto* key = static_cast<QKeyEvent*>(event);
        const QModelIndex current = m_view->currentIndex();
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && current.isValid()) {
            // The field takes the choice before it sees the key, so its Return carries it.
            const QString text
                = current.sibling(current.row(), completionColumn()).data(Qt::EditRole).toString();
            m_view->hide();
            emit suggestionChosen(text);
            QKeyEvent copy(key->type(), key->key(), key->modifiers(), key->text());
            QApplication::sendEvent(m_edit, &copy);
            return true;
        }
    }
    return QCompleter::eventFilter(watched, event);
}

void GuiCompleter::setHostCompletionMode(int mode)
{
    m_mode = mode == 1 ? QCompleter::UnfilteredPopupCompletion
        : mode == 2    ? QCompleter::InlineCompletion
                       : QCompleter::PopupCompletion;
    m_proxy->forgetMatches();
}

void GuiCompleter::setHostMatchOption(int option)
{
    setFilterMode(option == 1 ? Qt::MatchContains
            : option == 2     ? Qt::MatchEndsWith
                              : Qt::MatchStartsWith);
    m_proxy->forgetMatches();
}

bool GuiCompleter::itemMatches(QStringView item, QStringView prefix, Qt::CaseSensitivity cs) const
{
    if (m_mode == QCompleter::UnfilteredPopupCompletion)
        return true;
    switch (filterMode()) {
    case Qt::MatchContains:
        return item.contains(prefix, cs);
    case Qt::MatchEndsWith:
        return item.endsWith(prefix, cs);
    default:
        return item.startsWith(prefix, cs);
    }
}

void GuiCompleter::adjustViewHeight(int rows)
{
    if (rows <= 0)
        return;
    m_view->setFixedHeight(qMin(rows, MaxVisibleRows) * RowHeight + RowHeight);
}

void GuiCompleter::updateModel(const VXMEObjectDataList* records, const QString& prefix)
{
    m_prefix = prefix;
    // A record without an object heads the list with the column titles.
    const VXMEObjectMessageData* head = nullptr;
    int rows = 0;
    int columns = 0;
    if (records) {
        for (const VXMEObjectData* record : *records) {
            const VXMEObjectMessageData* row = asRow(record);
            if (!row)
                continue;
            if (!row->object && !head && rows == 0) {
                head = row;
                continue;
            }
            ++rows;
            if (row->listValues)
                columns = qMax(columns, row->listValues->size());
        }
    }
    if (head && head->listValues)
        columns = qMax(columns, head->listValues->size());
    columns = qMin(columns, MaxColumns);
    adjustViewHeight(rows);

    QStringList titles;
    for (int c = 0; c < columns; ++c) {
        const std::u16string* title
            = head && head->listValues ? head->listValues->elementAt(c) : nullptr;
        titles << (title ? textOf(*title) : QString());
    }
    QStringList current;
    for (const ListHeader& header : m_model->headers())
        current << header.name;
    if (!current.isEmpty())
        current.removeFirst();
    // One reset for the whole refill, rows unfiltered until the prefix is applied again.
    m_proxy->setFilterEnabled(false);
    m_model->beginReset();
    m_model->setFont(m_view->font());
    if (m_model->headers().empty() || current != titles) {
        m_model->removeHeaders();
        m_model->setHeaderInfo(0, QStringLiteral(" "), 0, false, QString());
        for (int c = 0; c < titles.size(); ++c)
            m_model->setHeaderInfo(c + 1, titles[c], 0, false, QString());
    } else {
        m_model->clear();
    }
    if (records) {
        for (VXMEObjectData* record : *records) {
            auto* row = dynamic_cast<VXMEObjectMessageData*>(record);
            if (row && row != head)
                m_model->addItem(row);
        }
    }
    m_model->endReset();
    m_proxy->forgetMatches();
    setCompletionColumn(getCompletionColumn());
    sizeColumns();
}

int GuiCompleter::getCompletionColumn() const
{
    const int first = m_model->iconColumn() ? 1 : 0;
    const int columns = m_model->columnCount();
    if (first >= columns)
        return 0;
    const ListItem* root = m_model->root();
    const ListItem* top = root && root->childCount() > 0 ? root->child(0) : nullptr;
    if (top && !m_prefix.isEmpty()) {
        for (int c = first; c < columns && c < top->valueCount(); ++c) {
            int length = 0;
            const QChar* text = top->cells().textData(c, &length);
            if (text && itemMatches(QStringView(text, length), m_prefix, caseSensitivity()))
                return c;
        }
    }
    return first;
}

void GuiCompleter::sizeColumns()
{
    const QFontMetrics cells(m_view->font());
    const QFontMetrics titles(m_view->header()->font());
    const int columns = m_model->columnCount();
    const ListItem* root = m_model->root();
    // A sample of the rows is enough to size the popup; the user can widen a column.
    const int sample = root ? qMin(root->childCount(), 50) : 0;
    for (int c = 0; c < columns; ++c) {
        if (c == 0 && m_model->iconColumn()) {
            m_view->setColumnWidth(c, RowHeight);
            continue;
        }
        QString widest;
        for (int r = 0; r < sample; ++r) {
            const QString text = root->child(r)->text(c);
            if (text.size() > widest.size())
                widest = text;
        }
        const QString title = m_model->getHeaderTitle(c);
        const int width = qMax(GuiUtil::getStandardColumnWidth(widest, cells),
            GuiUtil::getStandardColumnWidth(title, titles));
        m_view->setColumnWidth(c, width);
    }
}

void GuiCompleter::initCustomCompletion()
{
    if (m_proxy->rowCount() > 0)
        slotSuggestionSelected(m_proxy->index(0, completionColumn()));
}

void GuiCompleter::slotSuggestionSelected(const QModelIndex& proxyIndex)
{
    if (!proxyIndex.isValid() || proxyIndex.model() != m_proxy)
        return;
    // The popup shows Qt's completion model over the proxy, row for row.
    QAbstractItemModel* shown = m_view->model();
    if (!shown)
        return;
    const QModelIndex index = shown->index(proxyIndex.row(), proxyIndex.column());
    m_view->setCurrentIndex(index);
}

void GuiCompleter::updateView(const VXUStringList* list)
{
    if (!list)
        return;
    m_proxy->setFilterEnabled(false);
    m_model->beginReset();
    m_model->clear();
    if (m_model->columnCount() == 0) {
        m_model->setHeaderInfo(0, QStringLiteral(" "), 0, false, QString());
        m_model->setHeaderInfo(1, QString(), 0, false, QString());
    }
    for (const std::u16string& text : list->elements()) {
        QStringList values;
        if (m_model->iconColumn())
            values << QString();
        values << textOf(text);
        m_model->addItem(values, QString());
    }
    m_model->endReset();
    m_proxy->forgetMatches();
    adjustViewHeight(list->size());
    setCompletionColumn(m_model->iconColumn() ? 1 : 0);
    sizeColumns();
}

void GuiCompleter::refresh()
{
    m_proxy->refilter();
    const int rows = m_proxy->rowCount();
    if (m_mode == QCompleter::InlineCompletion) {
        // The first match fills the field; the part not typed stays selected.
        if (rows == 0 || m_prefix.isEmpty() || !m_edit)
            return;
        const QString match = m_proxy->index(0, completionColumn()).data(Qt::EditRole).toString();
        if (!match.startsWith(m_prefix, caseSensitivity()) || match.size() == m_prefix.size())
            return;
        m_edit->setEditText(m_prefix + match.mid(m_prefix.size()), false);
        m_edit->setSelection(m_prefix.size(), match.size() - m_prefix.size());
        return;
    }
    if (rows == 0) {
        popup()->hide();
        return;
    }
    adjustViewHeight(rows);
    showSuggestions();
    initCustomCompletion();
}

void GuiCompleter::showSuggestions()
{
    if (!m_edit || m_mode == QCompleter::InlineCompletion)
        return;
    // As wide as the columns need (and the scroll bar, past ten rows), at least the field.
    int width = 0;
    for (int c = 0; c < m_model->columnCount(); ++c)
        width += m_view->columnWidth(c);
    if (m_proxy->rowCount() > MaxVisibleRows)
        width += m_view->verticalScrollBar()->sizeHint().width();
    const QRect field = m_edit->rect();
    complete(QRect(field.left(), field.top(), qMax(field.width(), width + 4), field.height()));
}

int GuiCompleter::fillVectorWithListViewText(std::vector<void*>* out) const
{
    if (!out)
        return 0;
    const int first = m_model->iconColumn() ? 1 : 0;
    std::vector<int> columns;
    for (int c = first; c < m_model->columnCount(); ++c) {
        if (!m_view->isColumnHidden(c))
            columns.push_back(c);
    }
    const int rows = m_proxy->rowCount();
    out->push_back(new int(rows));
    out->push_back(new int(int(columns.size())));
    for (int c : columns)
        out->push_back(VXBridge::copyStringFromGUI(m_model->getHeaderTitle(c).toStdU16String()));
    for (int r = 0; r < rows; ++r) {
        for (int c : columns) {
            const QString text = m_proxy->index(r, c).data(Qt::EditRole).toString();
            out->push_back(VXBridge::copyStringFromGUI(text.toStdU16String()));
        }
    }
    return rows;
}
