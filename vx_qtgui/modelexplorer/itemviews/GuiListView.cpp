#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include "engine/VXBridge.h"
#include "engine/VXEvent.h"
#include "engine/modelexplorer/VXMEEventDataList.h"
#include "engine/modelexplorer/VXMEObjectDataFactory.h"
#include "engine/modelexplorer/VXMEObjectEventData.h"
#include "engine/modelexplorer/VXMEObjectMessageData.h"
#include "engine/modelexplorer/VXMEObjectPropnameEventData.h"
#include "vrix/BlockArena.h"
#include "vrix/VXStringList.h"
#include "vrix/VXUStringList.h"
#include "vrix/services/ApplicationContext.h"
#include "vrix/services/ServiceRegistry.h"
#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/GuiUtil.h"
#include "vx_qtgui/modelexplorer/itemmodels/AutoReset.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableHeaderResize.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableSort.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoSelectListItem.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoUpdate.h"
#include "vx_qtgui/modelexplorer/itemviews/ColumnWidener.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiFilterInterface.h"
#include "vx_qtgui/modelexplorer/itemviews/ListViewDelegate.h"

#include <QAbstractProxyModel>
#include <QApplication>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMetaMethod>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include <cmath>
#include <memory>
#include <optional>

const char GuiListView::NoValueEditText[] = "<edit>";

namespace {
const char kHighlightFeature[] = "ODSpreadSheetHL";

VXServices::ApplicationContext* applicationContext()
{
    return VXServices::VXService<VXServices::ApplicationContext>::get();
}

// The host's registry keeps only a name and a value per switch.
void registerHighlightFeature()
{
    static bool registered = false;
    if (registered)
        return;
    registered = true;
    if (auto* context = applicationContext())
        context->registerFeature(kHighlightFeature, 0, nullptr);
}

VXMEObjectEventData* eventRecord(UDInterface* object)
{
    auto* factory = VXServices::VXService<VXServices::VXMEObjectDataFactory>::get();
    VXMEObjectEventData* record = factory ? factory->createEventData(object) : nullptr;
    return record ? record : new VXMEObjectEventData(object);
}

std::string toLocal(const QString& text)
{
    const QByteArray bytes = text.toLocal8Bit();
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

QString recordValue(const VXMEObjectMessageData* record, int valueIndex)
{
    if (!record || !record->listValues || record->listValues->size() == 0)
        return QString();
    const auto& values = record->listValues->elements();
    const std::size_t i = values.size() == 1
        ? 0
        : std::size_t(std::max(0, std::min(valueIndex, int(values.size()) - 1)));
    return GuiUtil::toQString(values[i]);
}
} // namespace

GuiListView::GuiListView(
    ListModel* model, QAbstractProxyModel* proxy, VXWidget* owner, QWidget* parent)
    : GuiBaseView(parent)
    , m_model(model)
    , m_proxy(proxy)
    , m_listProxy(qobject_cast<ListProxyModel*>(proxy))
    , m_owner(owner)
    , m_delegate(new ListViewDelegate(this))
{
    registerHighlightFeature();
    setUpView();
    createConnections();
}

GuiListView::GuiListView(GuiListView* parent, FreezeTag)
    : GuiBaseView(parent)
    , m_model(parent->m_model)
    , m_proxy(parent->m_proxy)
    , m_listProxy(parent->m_listProxy)
    , m_owner(parent->m_owner)
    , m_delegate(parent->m_delegate)
    , m_parentView(parent)
{
    setUpView();
    setSelectionModel(parent->selectionModel());
    setFrameShape(QFrame::NoFrame);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::NoFocus);
    connect(
        header(), &QHeaderView::sectionResized, this, &GuiListView::slotFreezeHeaderSizeChanged);
    connect(
        header(), &QHeaderView::sortIndicatorChanged, parent, &GuiListView::slotListSortingChanged);
    header()->viewport()->installEventFilter(this);
}

GuiListView::~GuiListView()
{
    // The freeze view is a child: it goes first, before the shared models' signals reach it.
    delete m_freezeView;
    m_freezeView = nullptr;
}

void GuiListView::setUpView()
{
    setItemDelegate(m_delegate);
    setModel(m_proxy);
    setRootIsDecorated(false);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setUniformRowHeights(true);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setExpandsOnDoubleClick(true);
    header()->setSectionsClickable(true);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(true);
    header()->setContextMenuPolicy(Qt::CustomContextMenu);
    m_editClickTimer.setSingleShot(true);
    connect(&m_editClickTimer, &QTimer::timeout, this, [this] {
        if (m_editClickIndex.isValid())
            requestEdit(m_editClickIndex, m_editClickPosition);
    });

    connect(header(), &QHeaderView::sectionMoved, this, &GuiListView::sectionMoved);
    connect(
        header(), &QHeaderView::customContextMenuRequested, this, &GuiListView::headerContextMenu);
    connect(this, &QTreeView::expanded, this, [this](const QModelIndex& index) {
        if (ListItem* group = itemForIndex(index))
            m_model->setCollapsed(collapseKey(group), false);
    });
    connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& index) {
        if (ListItem* group = itemForIndex(index))
            m_model->setCollapsed(collapseKey(group), true);
    });
}

void GuiListView::createConnections()
{
    if (!m_model || !m_proxy)
        return;
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
        &GuiListView::slotSelectionChanged);
    connect(this, &GuiListView::listSelectionChanged, this, &GuiListView::slotListSelectionChanged);
    connect(
        header(), &QHeaderView::sortIndicatorChanged, this, &GuiListView::slotListSortingChanged);
    connect(header(), &QHeaderView::sectionResized, this, &GuiListView::slotHeaderSizeChanged);
    header()->viewport()->installEventFilter(this);
    connect(m_model, &ListModel::groupChanged, this, &GuiListView::slotGroupChanged);
    connect(this, &GuiListView::itemEditRequest, this, &GuiListView::slotItemEditRequest);
    connect(this, &GuiListView::itemsChanged, this, &GuiListView::slotItemsChanged);
    connect(
        this, &GuiListView::propertyHypelinkClicked, this, &GuiListView::slotPropHyperlinkClicked);
    connect(this, &GuiListView::getPendingData, this, &GuiListView::slotGetPendingData);
    connect(m_proxy, &QAbstractItemModel::modelReset, this, [this] { restoreGroupStates(); });
    connect(m_proxy, &QAbstractItemModel::rowsInserted, this,
        [this](const QModelIndex& parent, int first, int last) {
            if (parent.isValid())
                return;
            for (int row = first; row <= last; ++row) {
                const QModelIndex index = m_proxy->index(row, 0);
                ListItem* item = itemForIndex(index);
                if (item && m_model->isGroupItem(item)) {
                    setFirstColumnSpanned(row, QModelIndex(), true);
                    setExpanded(index, !m_model->getCollapsed(collapseKey(item)));
                }
            }
        });
    m_pendingTimer.setSingleShot(true);
    m_pendingTimer.setTimerType(Qt::CoarseTimer);
    m_pendingTimer.setInterval(PendingDelayMs);
    connect(&m_pendingTimer, &QTimer::timeout, this, [this] { emit getPendingData(); });
    m_pendingConnection = connect(
        m_model, &ListModel::pendingListChanged, this, &GuiListView::slotPendingListChanged);
}

bool GuiListView::frameFakeSelection()
{
    auto* context = applicationContext();
    return context && context->isFeatureEnabled(kHighlightFeature);
}

// Rows and records ----------------------------------------------------------------------------

ListItem* GuiListView::itemForIndex(const QModelIndex& proxyIndex) const
{
    if (!proxyIndex.isValid() || proxyIndex.model() != m_proxy || !m_model)
        return nullptr;
    const QModelIndex source = m_proxy->mapToSource(proxyIndex);
    return source.isValid() ? static_cast<ListItem*>(source.internalPointer()) : nullptr;
}

QString GuiListView::propertyName(int column) const
{
    if (!m_model || column < 0 || column >= int(m_model->headers().size()))
        return QString();
    return m_model->headers()[std::size_t(column)].name;
}

int GuiListView::firstDataColumn() const
{
    return m_model && m_model->iconColumn() ? 1 : 0;
}

QList<ListItem*> GuiListView::selectedItems() const
{
    QList<ListItem*> out;
    if (!selectionModel())
        return out;
    for (const QModelIndex& index : selectionModel()->selectedRows(0)) {
        ListItem* item = itemForIndex(index);
        if (item && !m_model->isGroupItem(item))
            out.append(item);
    }
    return out;
}

void GuiListView::fillGroupEventInfo(VXMEObjectDataList* list, const ListItem* group) const
{
    for (int i = 0; i < group->childCount(); ++i)
        appendRecords(list, group->child(i));
}

void GuiListView::appendRecords(VXMEObjectDataList* list, const ListItem* item) const
{
    if (!item)
        return;
    if (m_model->isGroupItem(item)) {
        fillGroupEventInfo(list, item);
    } else if (item->object) {
        list->push_back(eventRecord(item->object));
    } else if (item->uidOwner) {
        auto* record = new VXMEObjectData(nullptr);
        record->index = item->uid;
        record->owner = item->uidOwner;
        list->push_back(record);
    }
}

VXMEObjectDataList* GuiListView::recordsFor(const QList<ListItem*>& items) const
{
    auto* list = new VXMEObjectDataList;
    for (const ListItem* item : items)
        appendRecords(list, item);
    return list;
}

void GuiListView::sendRecords(
    VXEventType type, const QList<ListItem*>& items, const QString& property, const QString* value)
{
    VXMEObjectDataList* list = recordsFor(items);
    const std::string name = toLocal(property);
    for (VXMEObjectData* record : *list) {
        auto* data = dynamic_cast<VXMEObjectEventData*>(record);
        if (!data || property.isEmpty())
            continue;
        if (value)
            data->addPropertyValuePair(name.c_str(), GuiUtil::toVXUString(*value));
        else
            data->addPropertyName(name.c_str());
    }
    auto* event = new VXMEEventDataList(type, rootView()->m_owner, list);
    if (!property.isEmpty())
        event->setString(name.c_str());
    event->doEvent();
}

QModelIndex GuiListView::proxyIndexOf(const VXMEObjectData* record) const
{
    if (!record || !m_model)
        return QModelIndex();
    const QModelIndex source = record->object
        ? m_model->indexFromItem(record->object)
        : m_model->indexFromUID(record->owner, unsigned(record->index));
    return source.isValid() ? m_proxy->mapFromSource(source) : QModelIndex();
}

// Content ---------------------------------------------------------------------------------------

void GuiListView::addList(const VXMEObjectDataList* records, bool reset)
{
    if (!records || !m_model)
        return;
    AutoReset guard(m_model, reset, false);
    addRecords(records, nullptr);
}

bool GuiListView::addRecords(
    const VXMEObjectDataList* records, VXMEObjectDataList* taken, ColumnWidener* widener)
{
    bool valued = false;
    // The rows of one fill lie side by side and go together.
    VRIX::BlockArena::Bulk bulk;
    bool first = m_model->root() == nullptr || m_model->rowCount() == 0;
    if (!records->empty()) {
        // A list of placeholders comes from one owner: its index grows once, not by rehashing.
        const VXMEObjectData* head = records->front();
        const bool placeholders = head && !head->object;
        if (placeholders)
            m_model->reserveIndexRows(head->owner, int(records->size()));
        m_model->reserveRows(int(records->size()), !placeholders);
    }
    auto next = records->begin();
    while (next != records->end()) {
        std::unique_ptr<VXMEObjectData> owned;
        VXMEObjectData* record = *next;
        if (taken) {
            owned.reset(record);
            taken->pop_front();
            next = taken->begin();
        } else {
            ++next;
        }
        const VXMEObjectMessageData* message = record ? record->messageData() : nullptr;
        valued = valued || (message && message->listValues);
        if (widener && message)
            widener->measure(*message);
        const QModelIndex added = addRecord(record);
        if (first && added.isValid() && m_model->iconColumn() && m_model->columnCount() > 0
            && !m_model->isCustomHeaderWidth(0)) {
            first = false;
            const ListItem* item = m_model->itemForIndex(added);
            int width = item->getIconWidth() + 5;
            if (m_model->isGrouped())
                width += 2 * indentation();
            m_model->updateHeaderWidth(0, width, false);
            AutoEnableDisableHeaderResize quiet(this);
            header()->resizeSection(0, width);
        }
    }
    return valued;
}

QModelIndex GuiListView::addRecord(VXMEObjectData* record)
{
    if (auto* message = record ? record->messageData() : nullptr) {
        if (message->object || !message->owner)
            return m_model->addItem(message);
        return m_model->addItem(unsigned(message->index), message->owner, message->sortKey,
            GuiUtil::toQString(message->groupName), -1);
    }
    if (record && record->owner)
        return m_model->addItem(unsigned(record->index), record->owner, QString(), QString(), -1);
    return QModelIndex();
}

void GuiListView::replaceList(
    const VXMEObjectDataList* records, const QString& message, bool recycle)
{
    if (m_model)
        fillList(records, nullptr, message, recycle);
}

void GuiListView::replaceListTaking(
    VXMEObjectDataList& records, const QString& message, bool recycle)
{
    if (m_model)
        fillList(&records, &records, message, recycle);
    for (VXMEObjectData* record : records)
        delete record;
    records.clear();
}

void GuiListView::fillList(const VXMEObjectDataList* records, VXMEObjectDataList* taken,
    const QString& message, bool recycle)
{
    const QVector<AutoSelectListItem::Key> before = AutoSelectListItem::keysOf(this);
    ++m_fillDepth;
    bool valued = false;
    {
        AutoUpdate frozen(this, true);
        AutoSelectListItem keep(this);
        {
            AutoReset reset(m_model, true, true);
            m_listMessage = message;
            m_model->refresh(records, QModelIndex(), recycle);
            // Taken records go as their rows are made: their widths are measured in the same
            // pass and applied after the fill.
            std::optional<ColumnWidener> widener;
            if (taken && !m_model->isSpreadsheetMode())
                widener.emplace(*m_model, firstDataColumn(), font());
            if (records)
                valued = addRecords(records, taken, widener ? &*widener : nullptr);
            m_model->purgeRecycleList();
        }
    }
    if (taken) {
        // The taken records are gone: their widths were measured as they went.
        if (m_model->isSpreadsheetMode())
            shareOutColumnWidths(viewport()->width());
        applyColumnWidths();
    } else {
        // A list of placeholders has no values to measure: its long walk is spared.
        updateColumnWidths(records, valued);
    }
    --m_fillDepth;
    emit modelChanged();
    if (AutoSelectListItem::keysOf(this) != before) {
        emit listSelectionChanged();
    }
    viewport()->update();
}

void GuiListView::updateNodes(const VXMEObjectDataList* records, bool flag)
{
    Q_UNUSED(flag);
    if (!records || !m_model)
        return;
    for (VXMEObjectData* record : *records) {
        if (!record)
            continue;
        ListItem* item = record->object
            ? m_model->itemForObject(record->object)
            : m_model->itemForUID(record->owner, unsigned(record->index));
        if (!item)
            continue;
        auto* message = record->messageData();
        if (message && message->listValues)
            m_model->updateItem(item, message, item->object != message->object);
        else if (item->object)
            m_model->refresh(item->object, -1, QModelIndex());
    }
    if (m_model->isFilterDirty() && m_listProxy)
        m_listProxy->invalidateFilter(true);
}

void GuiListView::updatePendingData(const VXMEObjectDataList* records)
{
    m_listLoad = false;
    if (!records || !m_model)
        return;
    for (VXMEObjectData* record : *records) {
        auto* message = record ? record->messageData() : nullptr;
        if (!message)
            continue;
        ListItem* item = message->owner
            ? m_model->itemForUID(message->owner, unsigned(message->index))
            : nullptr;
        if (!item && message->object)
            item = m_model->itemForObject(message->object);
        if (!item)
            continue;
        if (item->uidOwner && (item->valueCount() == 0 || item->stale))
            m_loadedIndexRows.emplace_back(item->uidOwner, item->uid);
        if (message->object && item->object != message->object)
            m_model->updateItem(item, message, true);
        else
            m_model->updateItem(item, message, false);
    }
    // Rows that arrive as placeholders are measured when their values come.
    if (!m_model->isSpreadsheetMode() && widenColumnsFor(*records))
        applyColumnWidths();
    if (m_model->isFilterDirty() && m_listProxy)
        m_listProxy->invalidateFilter(true);
}

void GuiListView::editListNodes(const VXMEObjectDataList* records)
{
    const QModelIndex cell = ListViewDelegate::m_EditIndex.isValid()
        ? QModelIndex(ListViewDelegate::m_EditIndex)
        : currentIndex();
    if (!cell.isValid() || !records)
        return;
    QString value;
    for (VXMEObjectData* record : *records) {
        if (auto* message = record ? record->messageData() : nullptr) {
            value = recordValue(message, cell.column() - firstDataColumn());
            break;
        }
    }
    rootView()->m_delegate->setEditText(value.isEmpty() ? QLatin1String(NoValueEditText) : value);
    startEdit(cell);
}

void GuiListView::startEdit(const QModelIndex& proxyIndex)
{
    if (!proxyIndex.isValid())
        return;
    GuiListView* root = rootView();
    GuiListView* target = root;
    if (root->m_freezeView && !root->m_freezeView->isColumnHidden(proxyIndex.column())
        && root->isColumnHidden(proxyIndex.column()))
        target = root->m_freezeView;
    target->setCurrentIndex(proxyIndex);
    target->QAbstractItemView::edit(proxyIndex, QAbstractItemView::AllEditTriggers, nullptr);
}

bool GuiListView::requestEdit(const QModelIndex& proxyIndex, const QPoint& position)
{
    ListItem* item = itemForIndex(proxyIndex);
    if (!item || m_model->isGroupItem(item))
        return false;
    const std::uint16_t flags = item->cellFlags(proxyIndex.column());
    if (!(flags & ListItem::CellValid) || (flags & (ListItem::CellGreyed | ListItem::CellReadOnly)))
        return false;
    ListViewDelegate::m_EditIndex = proxyIndex;
    emit rootView()->itemEditRequest(propertyName(proxyIndex.column()), position.x(), position.y());
    return true;
}

void GuiListView::changeEditTypeData(VXMEEditTypeData* data)
{
    m_delegate->setEditTypeData(data);
}

// Column widths ---------------------------------------------------------------------------------

int GuiListView::getStandardColumnWidth(const QString& text) const
{
    return GuiUtil::getStandardColumnWidth(text, fontMetrics());
}

void GuiListView::updateColumnWidths(const VXMEObjectDataList* records, bool measure)
{
    if (!m_model)
        return;
    if (m_model->isSpreadsheetMode()) {
        shareOutColumnWidths(viewport()->width());
        applyColumnWidths();
        return;
    }
    if (!records)
        return;
    if (measure)
        widenColumnsFor(*records);
    applyColumnWidths();
}

bool GuiListView::widenColumnsFor(const VXMEObjectDataList& records)
{
    ColumnWidener widener(*m_model, firstDataColumn(), font());
    for (auto record = records.begin(); !widener.done() && record != records.end(); ++record)
        if (auto* message = *record ? (*record)->messageData() : nullptr)
            widener.measure(*message);
    return widener.widened();
}

void GuiListView::shareOutColumnWidths(int width)
{
    if (!m_model)
        return;
    const int first = firstDataColumn();
    const int columns = m_model->columnCount();
    const int n = columns - first;
    if (n <= 0 || width <= 0)
        return;
    const int avg = width / n;
    double factor = 1.0;
    int remaining = width;
    std::vector<int> surplus;
    const QFontMetrics metrics = fontMetrics();
    for (int c = first; c < columns; ++c) {
        if (m_model->isCustomHeaderWidth(c)) {
            remaining -= m_model->getHeaderWidth(c);
        } else {
            const int standard
                = GuiUtil::getStandardColumnWidth(m_model->getHeaderTitle(c), metrics);
            const bool boolean
                = m_model->headerData(c, Qt::Horizontal, ListModel::SortKeyRole).toBool();
            int w = 0;
            if (boolean) {
                w = standard;
                surplus.push_back(avg - standard);
            } else if (surplus.empty()) {
                w = int(avg * factor);
            } else {
                w = int((surplus.back() + avg) * factor);
                surplus.pop_back();
            }
            if (c == columns - 1) {
                const int rest = remaining > avg ? remaining - 30 : remaining;
                if (rest > 0)
                    w = rest;
            }
            if (w < standard) {
                remaining += standard - w;
                w = standard;
            }
            m_model->updateHeaderWidth(c, w, false);
            remaining -= w;
        }
        if (c - first > 3)
            factor -= 0.05;
    }
}

void GuiListView::applyColumnWidths()
{
    if (!m_model)
        return;
    AutoEnableDisableHeaderResize quiet(rootView());
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const int w = m_model->getHeaderWidth(c);
        if (w <= 0)
            continue;
        header()->resizeSection(c, w);
        if (m_freezeView)
            m_freezeView->header()->resizeSection(c, w);
    }
    updateFreezePaneGeometry();
}

void GuiListView::setStrColWidth(int column, const QString& text, int extra)
{
    if (!m_model || column < 0 || column >= m_model->columnCount())
        return;
    m_model->updateHeaderWidth(column, fontMetrics().horizontalAdvance(text) + extra, true);
    applyColumnWidths();
}

int GuiListView::getStrColWidth(int column) const
{
    return m_model ? m_model->getHeaderWidth(column) : 0;
}

void GuiListView::setMaxCharColWidth(int column, int chars)
{
    if (!m_model || column < 0 || column >= m_model->columnCount() || chars < 0)
        return;
    m_model->updateHeaderWidth(column, chars * fontMetrics().maxWidth(), true);
    applyColumnWidths();
}

int GuiListView::getMaxCharColWidth(int column) const
{
    const int unit = fontMetrics().maxWidth();
    return unit > 0 ? getStrColWidth(column) / unit : 0;
}

void GuiListView::setAvgCharColWidth(int column, int chars)
{
    if (!m_model || column < 0 || column >= m_model->columnCount() || chars < 0)
        return;
    m_model->updateHeaderWidth(column, chars * fontMetrics().averageCharWidth(), true);
    applyColumnWidths();
}

int GuiListView::getAvgCharColWidth(int column) const
{
    const int unit = fontMetrics().averageCharWidth();
    return unit > 0 ? getStrColWidth(column) / unit : 0;
}

void GuiListView::adjustColWidths(double factor)
{
    if (!m_model || !std::isfinite(factor) || factor <= 0)
        return;
    for (int c = 0; c < m_model->columnCount(); ++c)
        m_model->updateHeaderWidth(c, int(std::lround(m_model->getHeaderWidth(c) * factor)),
            m_model->isCustomHeaderWidth(c));
    applyColumnWidths();
}

void GuiListView::autosizeColumn(int column)
{
    if (!m_model || column < 0 || column >= m_model->columnCount())
        return;
    const int w = std::max(sizeHintForColumn(column), header()->sectionSizeHint(column));
    m_model->updateHeaderWidth(column, w, true);
    applyColumnWidths();
}

void GuiListView::slotHeaderSizeChanged(int section, int, int newSize)
{
    if (!m_resizeConnected || !m_model)
        return;
    m_model->updateHeaderWidth(section, newSize, true);
    mirrorSectionSize(m_freezeView, section, newSize);
    updateFreezePaneGeometry();
}

void GuiListView::slotFreezeHeaderSizeChanged(int section, int, int newSize)
{
    GuiListView* root = rootView();
    if (root == this || !root->m_resizeConnected || !m_model)
        return;
    m_model->updateHeaderWidth(section, newSize, true);
    mirrorSectionSize(root, section, newSize);
    root->updateFreezePaneGeometry();
}

void GuiListView::mirrorSectionSize(GuiListView* target, int section, int size)
{
    if (!target || target->header()->sectionSize(section) == size)
        return;
    AutoEnableDisableHeaderResize quiet(rootView());
    target->header()->resizeSection(section, size);
}

void GuiListView::setSortRequestsConnected(bool on)
{
    m_sortConnected = on;
}

void GuiListView::setHeaderResizeConnected(bool on)
{
    m_resizeConnected = on;
}

void GuiListView::replacePropertyNames(const QStringList& oldNames, const QStringList& newNames)
{
    if (!m_model)
        return;
    const int count = std::min(oldNames.size(), newNames.size());
    for (int i = 0; i < count; ++i) {
        const int section = m_model->getHeaderSection(oldNames[i], Qt::CaseSensitive);
        if (section >= 0)
            m_model->renameHeader(section, newNames[i]);
    }
}

void GuiListView::reorderColumns(const QStringList& names)
{
    if (!m_model)
        return;
    AutoEnableDisableHeaderResize quiet(this);
    m_model->reorderHeader(names);
    applyColumnWidths();
}

void GuiListView::sectionMoved(int logical, int oldVisual, int newVisual)
{
    if (m_undoingMove)
        return;
    QHeaderView* h = header();
    auto* names = new VXStringList;
    const bool pinned = logical <= 1 || oldVisual <= 1 || newVisual <= 1;
    if (!pinned) {
        for (int visual = 1; visual < h->count(); ++visual)
            names->addElement(toLocal(m_model->getHeaderTitle(h->logicalIndex(visual))));
    }
    m_undoingMove = true;
    h->moveSection(newVisual, oldVisual);
    m_undoingMove = false;
    GuiListView* root = rootView();
    if (names->isEmpty()
        || !root->isSignalConnected(QMetaMethod::fromSignal(&GuiListView::columnsReordered))) {
        delete names;
        return;
    }
    emit root->columnsReordered(names);
}

void GuiListView::headerContextMenu(const QPoint& position)
{
    const int section = header()->logicalIndexAt(position);
    if (section < 0)
        return;
    auto* event = new VXEvent(MEHeaderContextMenuEvent, rootView()->m_owner);
    event->setString(toLocal(propertyName(section)).c_str());
    event->doEvent();
}

// Sorting ---------------------------------------------------------------------------------------

void GuiListView::enableListSorting(bool enable, const QString& column, bool ascending, bool flag)
{
    Q_UNUSED(flag);
    if (!m_model)
        return;
    AutoEnableDisableSort quiet(this);
    const int section
        = column.isEmpty() ? -1 : m_model->getHeaderSection(column, Qt::CaseSensitive);
    const Qt::SortOrder order = ascending ? Qt::AscendingOrder : Qt::DescendingOrder;
    for (GuiListView* view : { this, m_freezeView }) {
        if (!view)
            continue;
        view->header()->setSectionsClickable(enable);
        view->header()->setSortIndicatorShown(enable);
        view->header()->setSortIndicator(section, order);
        view->setSortingEnabled(enable);
    }
}

void GuiListView::slotListSortingChanged(int section, Qt::SortOrder order)
{
    GuiListView* root = rootView();
    if (!root->m_sortConnected || !m_model)
        return;
    auto* h = qobject_cast<QHeaderView*>(sender());
    GuiListView* clicked
        = h && root->m_freezeView && h == root->m_freezeView->header() ? root->m_freezeView : root;
    if (clicked->m_headerModifiers & Qt::ControlModifier) {
        clicked->header()->setSortIndicatorShown(false);
        return;
    }
    clicked->header()->setSortIndicatorShown(true);
    const QString title = m_model->getHeaderTitle(section);
    auto* event = new VXEvent(SSSortingChangedEvent, root->m_owner);
    event->setString(toLocal(title).c_str());
    event->setState(order == Qt::AscendingOrder);
    event->setValue(root->m_sortTouched ? 1 : 0);
    root->m_sortTouched = false;
    event->doEvent();
    emit root->sortChanged(title, order == Qt::AscendingOrder);
}

void GuiListView::noteCheckBoxToggled(int column)
{
    GuiListView* root = rootView();
    if (root->isSortingEnabled() && root->header()->sortIndicatorSection() == column)
        root->m_sortTouched = true;
}

bool GuiListView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == header()->viewport()
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonRelease))
        m_headerModifiers = static_cast<QMouseEvent*>(event)->modifiers();
    return GuiBaseView::eventFilter(watched, event);
}

// Grouping --------------------------------------------------------------------------------------

void GuiListView::setGroupColumn(const QString& name)
{
    if (m_model)
        m_model->setGroup(name);
}

QString GuiListView::getGroupColumn() const
{
    return m_model ? m_model->groupProperty() : QString();
}

void GuiListView::slotGroupChanged(const QString&, const QString& newName)
{
    if (newName.isEmpty() && !m_internalRegroup) {
        ++m_fillDepth;
        {
            AutoUpdate frozen(this, true);
            AutoSelectListItem keep(this);
            AutoReset reset(m_model, true, true);
            m_model->removeGroup();
        }
        --m_fillDepth;
    }
    applyHiddenColumns();
    auto* event = new VXEvent(SSGroupingChangedEvent, m_owner);
    event->setString(toLocal(newName).c_str());
    event->doEvent();
    emit groupChanged(newName);
}

void GuiListView::setHideGroupColumn(bool hide)
{
    if (!m_model)
        return;
    m_model->setHideGroupColumn(hide);
    applyHiddenColumns();
    emit invalidateFilter(true);
}

void GuiListView::applyHiddenColumns()
{
    if (!m_model)
        return;
    const int group = m_model->groupColumn();
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const bool frozen = m_freezeView && c < m_freezeColumn;
        const bool hiddenGroup = c == group && m_model->hideGroupColumn();
        setColumnHidden(c, frozen || hiddenGroup);
        if (m_freezeView)
            m_freezeView->setColumnHidden(c, !frozen || hiddenGroup);
    }
}

QString GuiListView::collapseKey(const ListItem* group) const
{
    if (!group || !m_model)
        return QString();
    const QString name = m_model->groupColumn() <= firstDataColumn()
        ? group->text(0)
        : m_model->getGroupName(group, false);
    return QStringLiteral("%1_%2").arg(m_collapseKeyName, name);
}

void GuiListView::setGroupExpanded(const QString& name, bool expanded)
{
    if (!m_model || !m_model->root())
        return;
    for (int row = 0; row < m_proxy->rowCount(); ++row) {
        const QModelIndex index = m_proxy->index(row, 0);
        ListItem* item = itemForIndex(index);
        if (item && m_model->isGroupItem(item) && (name.isNull() || item->text(0) == name)) {
            setExpanded(index, expanded);
            m_model->setCollapsed(collapseKey(item), !expanded);
        }
    }
}

void GuiListView::expandGroup(const QString& name)
{
    setGroupExpanded(name.isNull() ? QLatin1String("") : name, true);
}

void GuiListView::collapseGroup(const QString& name)
{
    setGroupExpanded(name.isNull() ? QLatin1String("") : name, false);
}

void GuiListView::expandAllGroups()
{
    setGroupExpanded(QString(), true);
}

void GuiListView::collapseAllGroups()
{
    setGroupExpanded(QString(), false);
}

void GuiListView::restoreGroupStates()
{
    if (!m_model || !m_model->mayHaveGroupRows())
        return;
    for (int row = 0; row < m_proxy->rowCount(); ++row) {
        const QModelIndex index = m_proxy->index(row, 0);
        ListItem* item = itemForIndex(index);
        if (item && m_model->isGroupItem(item)) {
            // The group's title runs across the row.
            setFirstColumnSpanned(row, QModelIndex(), true);
            setExpanded(index, !m_model->getCollapsed(collapseKey(item)));
        }
    }
}

// Selection -------------------------------------------------------------------------------------

void GuiListView::slotSelectionChanged()
{
    if (m_quietSelection > 0)
        return;
    // A rebuild compares the selection before and after instead.
    if (m_fillDepth > 0)
        return;
    noteSelectionChanged();
}

void GuiListView::selectionSettled()
{
    emit listSelectionChanged();
}

void GuiListView::slotListSelectionChanged()
{
    const QList<ListItem*> items = selectedItems();
    sendRecords(SSSelectionChangedEvent, items, QString(), nullptr);
    emit viewSelectionChanged(!items.isEmpty());
    emit statusMessageChanged(items.size());
}

void GuiListView::selectListViewItem(
    const VXMEObjectDataList* objects, bool clearFirst, bool notify)
{
    if (!m_model || !selectionModel())
        return;
    if (!notify)
        ++m_quietSelection;
    if (clearFirst) {
        selectionModel()->clearSelection();
        clearFakeSelection();
    }
    if (objects) {
        for (const VXMEObjectData* record : *objects) {
            const QModelIndex index = proxyIndexOf(record);
            if (!index.isValid())
                continue;
            selectionModel()->select(
                index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
            selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
            if (ListItem* item = itemForIndex(index))
                item->fakeSelected = true;
        }
    }
    if (!notify)
        --m_quietSelection;
    viewport()->update();
    if (m_freezeView)
        m_freezeView->viewport()->update();
}

void GuiListView::selectListViewIndices(
    UDInterface* owner, const std::vector<unsigned>& indices, UDInterface* object)
{
    Q_UNUSED(object);
    if (!m_model || !selectionModel())
        return;
    ++m_quietSelection;
    selectionModel()->clearSelection();
    for (unsigned uid : indices) {
        const QModelIndex source = m_model->indexFromUID(owner, uid);
        const QModelIndex index = source.isValid() ? m_proxy->mapFromSource(source) : QModelIndex();
        if (!index.isValid())
            continue;
        selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    --m_quietSelection;
}

void GuiListView::selectListViewItem(const QString& name, const QString& column, bool notify)
{
    if (!m_model || !m_listProxy || !selectionModel())
        return;
    QModelIndexList found;
    m_listProxy->matchItems(QModelIndex(), name, found);
    const int section
        = column.isEmpty() ? -1 : m_model->getHeaderSection(column, Qt::CaseSensitive);
    if (!notify)
        ++m_quietSelection;
    selectionModel()->clearSelection();
    for (const QModelIndex& index : found) {
        if (section >= 0 && index.sibling(index.row(), section).data().toString() != name)
            continue;
        selectionModel()->select(index, QItemSelectionModel::Select | QItemSelectionModel::Rows);
        selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    }
    if (!notify)
        --m_quietSelection;
}

void GuiListView::selectListAll(bool select)
{
    if (select)
        selectAll();
    else
        clearSelection();
}

void GuiListView::clearListSelection()
{
    clearSelection();
    clearFakeSelection();
}

void GuiListView::selectCurrentItem()
{
    const QModelIndex current = currentIndex();
    if (current.isValid() && selectionModel())
        selectionModel()->select(current, QItemSelectionModel::Select | QItemSelectionModel::Rows);
}

void GuiListView::clearFakeSelection()
{
    if (!m_model || !m_model->root())
        return;
    QList<ListItem*> all;
    m_model->getItems(all);
    for (ListItem* item : all)
        item->fakeSelected = false;
    viewport()->update();
}

void GuiListView::doubleClickListViewItem(const VXMEObjectDataList* objects)
{
    if (!objects)
        return;
    QList<ListItem*> items;
    for (const VXMEObjectData* record : *objects) {
        if (ListItem* item = itemForIndex(proxyIndexOf(record)))
            items.append(item);
    }
    if (items.isEmpty())
        return;
    emit statusMessageChanged(StatusDoubleClicked);
    sendRecords(SSItemsDblClickedEvent, items, QString(), nullptr);
    emit itemDoubleClicked(items, items.first()->object);
}

void GuiListView::setListMultiSelect(bool multi)
{
    setSelectionMode(
        multi ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
}

// Mouse and keyboard ----------------------------------------------------------------------------

bool GuiListView::isCheckBoxPress(const QPoint& position, QModelIndex* out) const
{
    const QModelIndex index = indexAt(position);
    const ListItem* item = itemForIndex(index);
    if (!item || m_model->isGroupItem(item))
        return false;
    const std::uint16_t flags = item->cellFlags(index.column());
    if (!(flags & ListItem::CellBoolean) || (flags & ListItem::CellReadOnly))
        return false;
    QStyleOptionViewItem option = viewOptions();
    option.rect = visualRect(index);
    if (!m_delegate->checkBoxRect(option, index).contains(position))
        return false;
    if (out)
        *out = index;
    return true;
}

bool GuiListView::isOverLinkText(const QModelIndex& index, const QPoint& position) const
{
    const QRect cell = visualRect(index);
    const QString text = index.data(Qt::DisplayRole).toString();
    int left = cell.left() + style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
    if (!index.data(Qt::DecorationRole).isNull())
        left += iconSize().isValid() ? iconSize().width() + 4 : 20;
    const int available = std::max(0, cell.right() - left);
    const int width = std::min(available, fontMetrics().horizontalAdvance(text));
    return position.x() >= left && position.x() <= left + width;
}

void GuiListView::mousePressEvent(QMouseEvent* event)
{
    QModelIndex box;
    if (event->button() == Qt::LeftButton && isCheckBoxPress(event->pos(), &box)) {
        // Left to the delegate on release; the selection stays as it is for a multi-row toggle.
        m_checkPressIndex = box;
        event->accept();
        return;
    }
    m_checkPressIndex = QModelIndex();
    m_pressIndex = indexAt(event->pos());
    const bool wasSelected = m_pressIndex.isValid() && selectionModel()
        && selectionModel()->isRowSelected(m_pressIndex.row(), m_pressIndex.parent());
    const bool wasCurrent = m_pressIndex.isValid() && currentIndex() == m_pressIndex;
    GuiBaseView::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && wasSelected) {
        if (ListItem* item = itemForIndex(m_pressIndex))
            emit rootView()->dialogUpdate(item);
    }
    // A click on the current, selected cell asks to edit it, as a slow second click does.
    if (!(wasSelected && wasCurrent && event->modifiers() == Qt::NoModifier))
        m_pressIndex = QModelIndex();
}

void GuiListView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_checkPressIndex.isValid()) {
        const QModelIndex index = m_checkPressIndex;
        m_checkPressIndex = QModelIndex();
        if (indexAt(event->pos()) == index) {
            QStyleOptionViewItem option = viewOptions();
            option.rect = visualRect(index);
            m_delegate->editorEvent(event, model(), option, index);
        }
        event->accept();
        return;
    }
    const bool armed = isDragArmed();
    const QModelIndex index = indexAt(event->pos());
    GuiBaseView::mouseReleaseEvent(event);
    if (!armed || event->button() != Qt::LeftButton || !index.isValid())
        return;
    ListItem* item = itemForIndex(index);
    if (item && (item->cellFlags(index.column()) & ListItem::CellHyperlink)
        && isOverLinkText(index, event->pos())) {
        if (m_model->isGroupItem(item))
            emit rootView()->propertyHypelinkClicked(item->child(0), m_model->groupProperty());
        else
            emit rootView()->propertyHypelinkClicked(item, propertyName(index.column()));
        return;
    }
    if (m_pressIndex.isValid() && m_pressIndex == index) {
        // Asked only once no double click follows, as for a slow second click.
        m_editClickIndex = index;
        m_editClickPosition = event->pos();
        m_editClickTimer.start(QApplication::doubleClickInterval());
    }
    m_pressIndex = QModelIndex();
}

void GuiListView::mouseMoveEvent(QMouseEvent* event)
{
    if (event->buttons() == Qt::NoButton) {
        const QModelIndex index = indexAt(event->pos());
        const ListItem* hovered = itemForIndex(index);
        const bool link = hovered && (hovered->cellFlags(index.column()) & ListItem::CellHyperlink);
        if (link && isOverLinkText(index, event->pos())) {
            m_pastLinkText = false;
            viewport()->setCursor(index.data(ListModel::CursorRole).value<QCursor>());
        } else {
            m_pastLinkText = link;
            viewport()->unsetCursor();
        }
    }
    GuiBaseView::mouseMoveEvent(event);
}

void GuiListView::aboutToStartDrag()
{
    if (m_model && !m_model->isSpreadsheetMode())
        emit rootView()->listSelectionChanged();
}

void GuiListView::mouseDoubleClickEvent(QMouseEvent* event)
{
    m_editClickTimer.stop();
    const QModelIndex index = indexAt(event->pos());
    ListItem* item = itemForIndex(index);
    if (!item) {
        GuiBaseView::mouseDoubleClickEvent(event);
        return;
    }
    if (m_model->isGroupItem(item)) {
        GuiBaseView::mouseDoubleClickEvent(event);
        return;
    }
    int firstShown = 0;
    while (firstShown < header()->count() && isColumnHidden(header()->logicalIndex(firstShown)))
        ++firstShown;
    const bool firstColumn = index.column() == header()->logicalIndex(firstShown);
    if (!firstColumn && !rootView()->m_wholeRowDblClick)
        return;
    GuiListView* root = rootView();
    QList<ListItem*> items = root->selectedItems();
    if (items.isEmpty())
        items.append(item);
    emit root->statusMessageChanged(StatusDoubleClicked);
    root->sendRecords(SSItemsDblClickedEvent, items, QString(), nullptr);
    emit root->itemDoubleClicked(items, item->object);
}

void GuiListView::keyPressEvent(QKeyEvent* event)
{
    const QModelIndex current = currentIndex();
    if (event->key() == Qt::Key_Down && current.isValid())
        emit suggestionSelected(current, true);
    if (event->key() == Qt::Key_F2 && current.isValid()) {
        requestEdit(current, visualRect(current).center());
        event->accept();
        return;
    }
    GuiBaseView::keyPressEvent(event);
}

void GuiListView::contextMenuEvent(QContextMenuEvent* event)
{
    if (isDragArmed()) {
        m_contextPosition = event->globalPos();
        return;
    }
    const QModelIndex index = indexAt(viewport()->mapFrom(this, event->pos()));
    emit rootView()->rightButtonClicked(event->globalPos(), !index.isValid(), false, index);
}

void GuiListView::slotItemEditRequest(const QString& property, int, int)
{
    emit statusMessageChanged(StatusEditRequested);
    QList<ListItem*> items = selectedItems();
    if (items.isEmpty()) {
        if (ListItem* item = itemForIndex(ListViewDelegate::m_EditIndex))
            items.append(item);
    }
    sendRecords(SSItemsEditRequest, items, property, nullptr);
}

void GuiListView::slotItemsChanged(
    QList<ListItem*>& items, const QString& property, const QString& value)
{
    sendRecords(SSItemsChangedEvent, items, property, &value);
}

void GuiListView::slotPropHyperlinkClicked(ListItem* item, const QString& property)
{
    if (!item)
        return;
    auto* event = new VXMEObjectPropnameEventData(SSClickHyperlinkPropEvent, m_owner, item->object);
    event->setPropertyName(toLocal(property).c_str());
    event->doEvent();
}

void GuiListView::clickHyperlink(UDInterface* object, const QString& property)
{
    ListItem* item = m_model ? m_model->itemForObject(object) : nullptr;
    if (item)
        emit propertyHypelinkClicked(item, property);
}

void GuiListView::markUnrelatedProperties(bool on)
{
    m_markUnrelated = on;
    viewport()->update();
}

void GuiListView::setFilterString(const QString& text)
{
    if (GuiFilterInterface* f = filter())
        f->imSetFilterString(text);
    else if (m_listProxy)
        m_listProxy->filter(text, QString(), Qt::CaseInsensitive);
}

QString GuiListView::getFilterString() const
{
    if (const GuiFilterInterface* f = filter())
        return f->getFilterString();
    return m_listProxy ? m_listProxy->filterText() : QString();
}

// Lazy data -------------------------------------------------------------------------------------

void GuiListView::slotPendingListChanged()
{
    if (m_listLoad)
        return;
    // Once per batch: the timer's request reconnects.
    disconnect(m_pendingConnection);
    m_pendingTimer.start();
}

void GuiListView::slotGetPendingData()
{
    m_listLoad = false;
    QList<ListItem*> pending;
    m_model->getPendingItems(pending);
    QList<ListItem*> wanted;
    for (ListItem* item : pending) {
        if (item->requested || !m_model->needsToBeFetched(item))
            continue;
        item->requested = true;
        wanted.append(item);
    }
    if (!wanted.isEmpty()) {
        auto* list = new VXMEObjectDataList;
        for (ListItem* item : wanted) {
            // A placeholder is asked for by its place in the owner's list, even when an
            // earlier answer named its object.
            if (item->uidOwner) {
                auto* record = new VXMEObjectData(nullptr);
                record->index = item->uid;
                record->owner = item->uidOwner;
                list->push_back(record);
            } else {
                list->push_back(eventRecord(item->object));
            }
        }
        (new VXMEEventDataList(SSGetPendingDataEvent, m_owner, list))->doEvent();
    }
    m_pendingConnection = connect(m_model, &ListModel::pendingListChanged, this,
        &GuiListView::slotPendingListChanged, Qt::UniqueConnection);
    sendClearIndicesRequest();
}

void GuiListView::sendClearIndicesRequest()
{
    if (!m_model || !m_model->root() || m_proxy->rowCount() == 0 || m_loadedIndexRows.empty())
        return;
    const int span = getPossibleItemCount();
    const QModelIndex top = indexAt(QPoint(1, 1));
    const int first = top.isValid() ? top.row() : 0;
    const int low = first - span;
    const int high = first + 2 * span;
    // Only rows loaded since the last request are candidates: the walk is bounded by what the
    // user scrolled through, not by the length of the list.
    auto* list = new VXMEObjectDataList;
    std::vector<IndexRowKey> kept;
    for (const IndexRowKey& key : m_loadedIndexRows) {
        ListItem* item = m_model->itemForUID(key.first, key.second);
        if (!item || item->valueCount() == 0 || item->stale)
            continue;
        const QModelIndex at = m_proxy->mapFromSource(m_model->indexFromItem(item));
        if (at.isValid() && !at.parent().isValid() && at.row() >= low && at.row() <= high) {
            kept.push_back(key);
            continue;
        }
        // Index rows whose data the host sent: it may forget them, they are fetched again.
        item->stale = true;
        item->requested = false;
        auto* record = new VXMEObjectData(nullptr);
        record->index = item->uid;
        record->owner = item->uidOwner;
        list->push_back(record);
    }
    m_loadedIndexRows.swap(kept);
    if (list->empty()) {
        delete list;
        return;
    }
    (new VXMEEventDataList(MEClearIndicesEvent, m_owner, list))->doEvent();
}

void GuiListView::scrollToLoadAll()
{
    if (!m_model || !m_model->root())
        return;
    QList<ListItem*> all;
    m_model->getItems(all);
    QList<ListItem*> wanted;
    for (ListItem* item : all) {
        if (!item->requested && m_model->needsToBeFetched(item)) {
            item->requested = true;
            wanted.append(item);
        }
    }
    m_model->clearPendingItems();
    if (wanted.isEmpty())
        return;
    m_listLoad = true;
    m_pendingTimer.stop();
    auto* list = new VXMEObjectDataList;
    for (ListItem* item : wanted)
        appendRecords(list, item);
    (new VXMEEventDataList(SSGetPendingDataEvent, m_owner, list))->doEvent();
}

void GuiListView::scrollByRows(int rows)
{
    QScrollBar* bar = verticalScrollBar();
    if (bar)
        bar->setValue(bar->value() + rows);
}

void GuiListView::scrollContentsBy(int dx, int dy)
{
    GuiBaseView::scrollContentsBy(dx, dy);
    if (m_freezeView && dy != 0)
        m_freezeView->verticalScrollBar()->setValue(verticalScrollBar()->value());
}

// Queries ---------------------------------------------------------------------------------------

int GuiListView::getListViewCount() const
{
    if (!m_model || !m_model->root())
        return 0;
    QList<ListItem*> all;
    m_model->getItems(all);
    return all.size();
}

int GuiListView::getGroupCount() const
{
    if (!m_model || !m_model->isGrouped() || !m_model->root())
        return 0;
    int count = 0;
    for (int row = 0; row < m_model->rowCount(); ++row)
        count += m_model->isGroupItem(m_model->itemForIndex(m_model->index(row, 0))) ? 1 : 0;
    return count;
}

int GuiListView::getPossibleItemCount() const
{
    const int height = viewport()->height();
    int rowHeight = 16;
    if (m_proxy && m_proxy->rowCount() > 0) {
        const QSize hint = m_proxy->index(0, 0).data(Qt::SizeHintRole).toSize();
        if (hint.height() > 0)
            rowHeight = hint.height();
    }
    return (height + rowHeight - 1) / rowHeight;
}

QList<ListItem*> GuiListView::rowsInViewOrder(const QModelIndex& parent) const
{
    QList<ListItem*> out;
    if (!m_proxy)
        return out;
    for (int row = 0; row < m_proxy->rowCount(parent); ++row) {
        const QModelIndex index = m_proxy->index(row, 0, parent);
        ListItem* item = itemForIndex(index);
        if (!item)
            continue;
        if (m_model->isGroupItem(item))
            out.append(rowsInViewOrder(index));
        else
            out.append(item);
    }
    return out;
}

void GuiListView::fillVectorWithVisibleListNodes(std::vector<UDInterface*>& out) const
{
    if (!m_proxy)
        return;
    const QRect area = viewport()->rect();
    for (QModelIndex index = indexAt(QPoint(1, 1)); index.isValid(); index = indexBelow(index)) {
        if (visualRect(index).top() > area.bottom())
            break;
        ListItem* item = itemForIndex(index);
        if (item && item->object)
            out.push_back(item->object);
    }
}

void GuiListView::fillVectorWithSelectedListNodes(std::vector<UDInterface*>& out) const
{
    for (ListItem* item : selectedItems()) {
        if (item->object)
            out.push_back(item->object);
    }
}

void GuiListView::getLoadedListViewNodes(std::vector<UDInterface*>& out) const
{
    for (ListItem* item : rowsInViewOrder(QModelIndex())) {
        if (item->object && item->valueCount() > 0)
            out.push_back(item->object);
    }
}

bool GuiListView::isColumnShown(int column) const
{
    if (!isColumnHidden(column))
        return true;
    return m_freezeView && !m_freezeView->isColumnHidden(column);
}

void GuiListView::appendTexts(
    std::vector<void*>& out, const QList<ListItem*>& rows, bool utf16) const
{
    auto copy = [&](const QString& text) -> void* {
        if (utf16)
            return VXBridge::copyStringFromGUI(GuiUtil::toVXUString(text));
        return VXBridge::copyStringFromGUI(text.toLocal8Bit().constData());
    };
    std::vector<int> columns;
    for (int c = firstDataColumn(); c < (m_model ? m_model->columnCount() : 0); ++c) {
        if (isColumnShown(c))
            columns.push_back(c);
    }
    auto* rowCount = new int(0);
    auto* columnCount = new int(int(columns.size()));
    out.push_back(rowCount);
    out.push_back(columnCount);
    for (int c : columns)
        out.push_back(copy(m_model->getHeaderTitle(c)));
    for (const ListItem* item : rows) {
        for (int c : columns)
            out.push_back(copy(item->editText(c)));
        ++*rowCount;
    }
}

void GuiListView::fillVectorWithListViewText(std::vector<void*>& out) const
{
    appendTexts(out, rowsInViewOrder(QModelIndex()), true);
}

void GuiListView::getLoadedListViewText(std::vector<void*>& out) const
{
    QList<ListItem*> loaded;
    for (ListItem* item : rowsInViewOrder(QModelIndex())) {
        if (item->valueCount() > 0 && !item->stale)
            loaded.append(item);
    }
    appendTexts(out, loaded, false);
}

void GuiListView::fillVectorWithGroupChildren(const QString& group, std::vector<void*>& out) const
{
    QList<ListItem*> rows;
    for (int row = 0; m_proxy && row < m_proxy->rowCount(); ++row) {
        const QModelIndex index = m_proxy->index(row, 0);
        ListItem* item = itemForIndex(index);
        if (item && m_model->isGroupItem(item) && item->text(0) == group)
            rows.append(rowsInViewOrder(index));
    }
    appendTexts(out, rows, false);
}

// Painting and geometry -------------------------------------------------------------------------

void GuiListView::paintEvent(QPaintEvent* event)
{
    if (!m_listMessage.isEmpty()) {
        QPainter painter(viewport());
        QRect area = viewport()->rect();
        const int freezeRight = m_freezeView && m_freezeView->isVisible()
            ? m_freezeView->geometry().right() - viewport()->geometry().left()
            : -1;
        if (freezeRight > area.center().x())
            area.setLeft(freezeRight + 1);
        const QString text = fontMetrics().elidedText(m_listMessage, Qt::ElideRight, area.width());
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(area, Qt::AlignCenter | Qt::TextSingleLine, text);
    }
    GuiBaseView::paintEvent(event);
}

void GuiListView::drawRow(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    GuiBaseView::drawRow(painter, option, index);
    const ListItem* item = itemForIndex(index);
    if (!item || !item->fakeSelected || !frameFakeSelection())
        return;
    painter->save();
    painter->setPen(QPen(QColor(18, 173, 252), 4));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(option.rect.adjusted(1, 1, -1, -1));
    painter->restore();
}

void GuiListView::resizeEvent(QResizeEvent* event)
{
    GuiBaseView::resizeEvent(event);
    updateFreezePaneGeometry();
    if (m_model && m_model->isSpreadsheetMode() && !m_parentView) {
        AutoEnableDisableHeaderResize quiet(this);
        shareOutColumnWidths(viewport()->width());
        applyColumnWidths();
    }
}

// Freeze pane -----------------------------------------------------------------------------------

void GuiListView::setFreezeColumn(int count)
{
    m_freezeColumn = std::max(0, count);
    applyHiddenColumns();
    updateFreezePaneGeometry();
}

void GuiListView::enableFreezePane(bool enable)
{
    m_freezeEnabled = enable;
    if (enable && !m_freezeView)
        initFreezePane();
    if (m_freezeView)
        m_freezeView->setVisible(enable);
    if (!enable) {
        for (int c = 0; c < (m_model ? m_model->columnCount() : 0); ++c)
            setColumnHidden(c, c == m_model->groupColumn() && m_model->hideGroupColumn());
        setViewportMargins(0, 0, 0, 0);
    } else {
        applyHiddenColumns();
        updateFreezePaneGeometry();
    }
}

void GuiListView::initFreezePane()
{
    if (m_freezeView || m_parentView || !m_model)
        return;
    m_freezeView = new GuiListView(this, FreezeTag {});
    m_freezeView->setParentView(this);
    connect(this, &QTreeView::expanded, m_freezeView, &QTreeView::expand);
    connect(this, &QTreeView::collapsed, m_freezeView, &QTreeView::collapse);
    connect(m_freezeView, &QTreeView::expanded, this, &QTreeView::expand);
    connect(m_freezeView, &QTreeView::collapsed, this, &QTreeView::collapse);
    connect(m_freezeView->verticalScrollBar(), &QScrollBar::valueChanged, verticalScrollBar(),
        &QScrollBar::setValue);
    connect(m_proxy, &QAbstractItemModel::columnsInserted, this, [this] { applyHiddenColumns(); });
    connect(m_proxy, &QAbstractItemModel::modelReset, this, [this] { applyHiddenColumns(); });
    applyHiddenColumns();
    applyColumnWidths();
    m_freezeView->show();
    updateFreezePaneGeometry();
}

int GuiListView::frozenWidth() const
{
    int width = 0;
    for (int c = 0; m_freezeView && c < m_freezeColumn && c < header()->count(); ++c) {
        if (!m_freezeView->isColumnHidden(c))
            width += m_freezeView->header()->sectionSize(c);
    }
    return width;
}

void GuiListView::updateFreezePaneGeometry()
{
    if (!m_freezeView || !m_freezeEnabled)
        return;
    const int width = frozenWidth();
    setViewportMargins(width, 0, 0, 0);
    const int frame = frameWidth();
    const int top = frame;
    const int height = viewport()->height() + header()->height();
    m_freezeView->setGeometry(frame, top, width, height);
    m_freezeView->verticalScrollBar()->setValue(verticalScrollBar()->value());
}
