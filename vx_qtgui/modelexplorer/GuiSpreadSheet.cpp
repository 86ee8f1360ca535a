#include "vx_qtgui/modelexplorer/GuiSpreadSheet.h"

#include "engine/VXWidget.h"
#include "engine/modelexplorer/VXMEEditTypeData.h"
#include "engine/modelexplorer/VXMEObjectData.h"
#include "messaging/QtBoolMessage.h"
#include "messaging/QtHandleBoolMessage.h"
#include "messaging/QtHandleInt5Message.h"
#include "messaging/QtHandleMessage.h"
#include "messaging/QtHandleNumStrMessage.h"
#include "messaging/QtHandleStr4Message.h"
#include "messaging/QtSpreadSheetEdit.h"
#include "messaging/QtStrInt4Message.h"
#include "messaging/QtStringList2Message.h"
#include "messaging/QtStringMessage.h"
#include "messaging/VXMessageCatalogue.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/GuiApplication.h"
#include "vx_qtgui/GuiCommonMessages.h"
#include "vx_qtgui/GuiConstants.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiPixmapDB.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/AutoEnableDisableSort.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"
#include "vx_qtgui/modelexplorer/itemviews/ListViewDelegate.h"
#include "vx_qtgui/modelexplorer/search/GuiListFilter.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <memory>
#include <utility>

namespace {

using Objects = GuiSpreadSheet::Objects;
using RecordList = VXMEObjectDataList;
using OwnedRecords = std::unique_ptr<RecordList, void (*)(RecordList*)>;

constexpr int kIconColumnWidth = 20;
const char kCloseIcon[] = "toolbox/shared/orvidesk/resources/clearedit.png";

template <class P> P* as(QtMessage* msg)
{
    return dynamic_cast<P*>(msg);
}

QString textOf(QtMessage* msg)
{
    auto* p = as<QtStringMessage>(msg);
    return p ? p->m_string : QString();
}

bool flagOf(QtMessage* msg)
{
    auto* p = as<QtBoolMessage>(msg);
    return p && p->m_bool;
}

template <class T> T* handleOf(QtMessage* msg)
{
    auto* p = as<QtHandleMessage>(msg);
    return p ? static_cast<T*>(p->m_handle) : nullptr;
}

void destroyRecords(RecordList* list)
{
    VXMEObjectData::destroyList(list);
}

// The record list a message owns, whichever payload carries it; null when it owns none.
OwnedRecords takeRecords(QtMessage* msg)
{
    RecordList* list = nullptr;
    if (auto* p = as<QtHandleMessage>(msg))
        list = p->take<RecordList>().release();
    else if (auto* p = as<QtHandleBoolMessage>(msg))
        list = static_cast<RecordList*>(p->m_owned.takeRaw());
    else if (auto* p = as<QtHandleNumStrMessage>(msg))
        list = static_cast<RecordList*>(p->m_owned.takeRaw());
    return OwnedRecords(list, &destroyRecords);
}

// Plain records naming `objects`, for the list view's record-based selection.
struct TemporaryRecords {
    explicit TemporaryRecords(const Objects& objects)
    {
        for (UDInterface* object : objects)
            list.push_back(new VXMEObjectData(object));
    }
    ~TemporaryRecords()
    {
        for (VXMEObjectData* record : list)
            delete record;
    }
    TemporaryRecords(const TemporaryRecords&) = delete;
    TemporaryRecords& operator=(const TemporaryRecords&) = delete;
    VXMEObjectDataList list;
};

} // namespace

GuiSpreadSheet::GuiSpreadSheet(void* key, QWidget* parent)
    : QWidget(parent)
    , GuiWidget(key)
{
    GuiApplication::putWidget(key, this);
    setupSpreadSheet();
    hide();
}

GuiSpreadSheet::~GuiSpreadSheet()
{
    // The view and the filter use the models: they go first. The members are cleared before
    // the deletes, so the event filter never reaches into a view being destroyed.
    delete std::exchange(m_filter, nullptr);
    delete std::exchange(m_listView, nullptr);
    delete m_proxy;
    delete m_model;
}

void GuiSpreadSheet::setupSpreadSheet()
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_titleLabel = new QLabel(this);
    m_titleLabel->setObjectName(QStringLiteral("spreadSheetTitle"));
    m_titleLabel->hide();
    layout->addWidget(m_titleLabel);
    createListView();
    layout->addWidget(m_listView, 1);
    createFilterBox();
    connect(m_listView->header(), &QHeaderView::sectionClicked, this,
        &GuiSpreadSheet::slotHeaderClicked);
    m_listView->header()->viewport()->installEventFilter(this);
}

void GuiSpreadSheet::createListView()
{
    m_model = new ListModel(true);
    m_model->setHeaderInfo(
        0, QStringLiteral(" "), VRIX::toDpiScaled(kIconColumnWidth), false, QString());
    m_proxy = new ListProxyModel;
    m_proxy->setSourceModel(m_model);
    m_listView = new GuiListView(m_model, m_proxy, static_cast<VXWidget*>(peerKey()), this);
    m_listView->enableFreezePane(false);
    m_listView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listView->header()->setSectionsClickable(true);
    m_listView->header()->setStretchLastSection(false);
    m_listView->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listView->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_listView->setUniformRowHeights(true);
    m_listView->setAllColumnsShowFocus(true);
    m_listView->setFocusPolicy(Qt::StrongFocus);
    {
        // Programmatic: the host hears of no sorting change.
        AutoEnableDisableSort quiet(m_listView);
        m_listView->setSortingEnabled(true);
        m_listView->header()->setSortIndicator(0, Qt::AscendingOrder);
    }
    m_listView->markUnrelatedProperties(true);
    QFont headerFont = m_listView->font();
    headerFont.setPixelSize(std::max(1, QFontInfo(headerFont).pixelSize() - 2));
    m_listView->header()->setFont(headerFont);
}

void GuiSpreadSheet::createFilterBox()
{
    m_filterBox = new QWidget(this);
    m_filterBox->setObjectName(QStringLiteral("filterBox"));
    m_filterBox->setAutoFillBackground(true);
    auto* row = new QHBoxLayout(m_filterBox);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(0);
    m_ownEdit = new GuiEdit(nullptr, m_filterBox);
    m_ownEdit->setObjectName(QStringLiteral("Filter Contents"));
    m_ownEdit->setPlaceholderText(QStringLiteral("Filter Contents"));
    m_ownEdit->setClearButtonEnabled(true);
    for (QAction* action : m_ownEdit->findChildren<QAction*>())
        action->setToolTip(QStringLiteral("Clear Filter Contents"));
    m_closeButton = new QToolButton(m_filterBox);
    m_closeButton->setObjectName(QStringLiteral("filterCloseButton"));
    m_closeButton->setAutoRaise(true);
    m_closeButton->setIcon(GuiUtil::GuiPixmapDB::getIconFromPath(QString::fromLatin1(kCloseIcon)));
    connect(m_closeButton, &QToolButton::clicked, this, &GuiSpreadSheet::slotFilterClosed);
    row->addWidget(m_ownEdit, 1);
    row->addWidget(m_closeButton);

    const int clearButton = m_ownEdit->style()->pixelMetric(QStyle::PM_SmallIconSize) + 4;
    m_ownEdit->setMinimumWidth(
        m_ownEdit->fontMetrics().horizontalAdvance(m_ownEdit->placeholderText()) + 8 + clearButton);
    m_filterBox->setMinimumWidth(
        m_ownEdit->minimumWidth() + m_closeButton->sizeHint().width() + 12);
    m_filterBox->resize(m_filterBox->minimumWidth(), m_filterBox->sizeHint().height());
    bindFilter(m_ownEdit);
    m_filterBox->hide();
}

void GuiSpreadSheet::bindFilter(GuiEdit* edit)
{
    if (!edit || edit == m_filterEdit)
        return;
    delete m_filter;
    if (m_filterEdit)
        m_filterEdit->clear();
    m_filterEdit = edit;
    m_filter = new GuiListFilter(edit, m_proxy);
    m_listView->setFilter(this);
    connect(m_filter, &GuiListFilter::filterChanged, m_proxy, &ListProxyModel::slotFilterChanged);
    connect(m_filter, &GuiListFilter::filterChanged, this,
        [this](const QString&) { m_listView->viewport()->update(); });
    connect(m_listView, &GuiListView::invalidateFilter, m_filter, [this](bool) {
        if (!getFilterString().isEmpty())
            m_filter->applyFilter();
    });
}

void GuiSpreadSheet::placeFilterBox()
{
    const int frame = m_listView->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int x = width() - (frame + scrollBar + m_filterBox->minimumWidth());
    const int y = m_listView->y() + frame + m_listView->header()->height() + 2;
    m_filterBox->setGeometry(x, y, m_filterBox->minimumWidth(), m_filterBox->sizeHint().height());
}

void GuiSpreadSheet::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    placeFilterBox();
}

bool GuiSpreadSheet::eventFilter(QObject* watched, QEvent* event)
{
    if (m_listView && watched == m_listView->header()->viewport()
        && (event->type() == QEvent::MouseButtonPress
            || event->type() == QEvent::MouseButtonRelease))
        m_headerModifiers = static_cast<QMouseEvent*>(event)->modifiers();
    return QWidget::eventFilter(watched, event);
}

void GuiSpreadSheet::toggleFilter()
{
    const bool shown = !m_filterBox->isHidden();
    if (m_filterEdit) {
        m_filterEdit->clear();
        m_filter->applyFilter();
    }
    if (shown) {
        m_proxy->setFilterEnabled(false);
        m_filterBox->hide();
        return;
    }
    placeFilterBox();
    m_filterBox->show();
    m_filterBox->raise();
    if (m_filterEdit)
        m_filterEdit->setFocus();
}

void GuiSpreadSheet::slotFilterClosed()
{
    toggleFilter();
}

void GuiSpreadSheet::slotHeaderClicked(int section)
{
    if (!(m_headerModifiers & Qt::ControlModifier))
        return;
    m_headerModifiers = Qt::NoModifier;
    const QString property = m_listView->propertyName(section);
    if (property.trimmed().isEmpty())
        return;
    m_listView->setGroupColumn(property == m_model->groupProperty() ? QString() : property);
}

void GuiSpreadSheet::setFilterText(const QString& text)
{
    if (!m_filter)
        return;
    m_filter->imSetFilterString(text);
    m_filter->applyFilter();
}

QString GuiSpreadSheet::filterText() const
{
    return m_filterEdit ? m_filterEdit->text() : QString();
}

void GuiSpreadSheet::setTitle(const QString& title)
{
    m_title = title;
    m_titleLabel->setText(title);
    m_titleLabel->setVisible(!title.isEmpty());
    setWindowTitle(title);
}

void GuiSpreadSheet::editItems(
    const Objects& objects, const QString& property, const QString& value)
{
    const int column = m_model->getHeaderSection(property);
    if (column < 0)
        return;
    QList<ListItem*> items;
    for (UDInterface* object : objects) {
        if (ListItem* item = object ? m_model->itemForObject(object) : nullptr) {
            m_model->setData(m_model->indexFromItem(item, column), value, Qt::EditRole);
            items.append(item);
        }
    }
    if (!items.isEmpty())
        emit m_listView->itemsChanged(items, property, value);
}

bool GuiSpreadSheet::isItemDrawnDisabled(UDInterface* object, int column) const
{
    ListItem* item = object ? m_model->itemForObject(object) : nullptr;
    if (!item || column < 0 || column >= m_model->columnCount())
        return false;
    const QModelIndex index = m_proxy->mapFromSource(m_model->indexFromItem(item, column));
    if (!index.isValid())
        return false;
    QStyleOptionViewItem option;
    option.initFrom(m_listView);
    m_listView->listDelegate()->initCellOption(&option, index);
    return option.palette.color(QPalette::Text) == GuiConstants::FaintTextColor;
}

bool GuiSpreadSheet::isInView(UDInterface* object) const
{
    return object && m_model->indexFromItem(object).isValid();
}

QString GuiSpreadSheet::getFilterString() const
{
    return m_filter ? m_filter->getFilterString() : QString();
}

void GuiSpreadSheet::imSetFilterString(const QString& text)
{
    setFilterText(text);
}

QString GuiSpreadSheet::getFilterColumn() const
{
    return m_filter ? m_filter->getFilterColumn() : QString();
}

void GuiSpreadSheet::highLight(
    const QString& text, const QRect& rect, const QFontMetrics& metrics, QPainter* painter) const
{
    if (m_filter)
        m_filter->highLight(text, rect, metrics, painter);
}

void GuiSpreadSheet::replacePropertyNames(const QStringList& names, const QStringList& newNames)
{
    const bool noColumns = m_model->columnCount() <= (m_model->iconColumn() ? 1 : 0);
    if (newNames.isEmpty() || noColumns) {
        // New columns are appended, then the reorder drops the ones not named.
        const QStringList wanted = newNames.isEmpty() ? names : newNames;
        for (const QString& name : wanted) {
            if (!name.isEmpty() && m_model->getHeaderSection(name, Qt::CaseSensitive) < 0)
                m_model->setHeaderInfo(m_model->columnCount(), name,
                    m_listView->getStandardColumnWidth(ListModel::getHeaderDisplayTitle(name)),
                    false, QString());
        }
        m_model->reorderHeader(wanted);
    } else {
        m_listView->replacePropertyNames(names, newNames);
    }
    m_listView->applyColumnWidths();
}

void GuiSpreadSheet::vxMessageNotify(VXMessageType type, QtMessage* msg)
{
    if (!msg || handleList(type, msg))
        return;
    switch (type) {
    case SSCreateMsg:
        return;
    case SSShowMsg:
        if (flagOf(msg)) {
            show();
            raise();
            activateWindow();
        } else {
            hide();
        }
        return;
    case SSShowColumnsMsg:
        m_listView->header()->show();
        return;
    case SSHideColumnsMsg:
        m_listView->header()->hide();
        return;
    case SSSetTitleMsg:
        setTitle(textOf(msg));
        GuiCommonMessages::setResult(msg, 1);
        return;
    case SSToggleFilterMsg:
        toggleFilter();
        return;
    case MESetFilterStringMsg:
        setFilterText(textOf(msg));
        GuiCommonMessages::setResult(msg, 1);
        return;
    case MEGetFilterStringMsg:
        msg->setReturnMsg(new QtStringMessage(nullptr, type, filterText()));
        return;
    case SSSetFilterWidgetMsg: {
        void* key = handleOf<void>(msg);
        if (auto* edit = key ? dynamic_cast<GuiEdit*>(GuiApplication::findWidget(key)) : nullptr)
            bindFilter(edit);
        return;
    }
    case MESetListViewManagerMsg: {
        void* key = handleOf<void>(msg);
        m_listViewManager = key ? dynamic_cast<QObject*>(GuiApplication::findWidget(key)) : nullptr;
        return;
    }
    case SSSetEnabledMsg:
        setEnabled(flagOf(msg));
        return;
    case SSIsInViewMsg:
        GuiCommonMessages::setResult(msg, isInView(handleOf<UDInterface>(msg)) ? 1 : 0);
        return;
    case SSIsItemDrawnDisabledMsg: {
        auto* p = as<QtHandleInt5Message>(msg);
        GuiCommonMessages::setResult(msg,
            p && isItemDrawnDisabled(static_cast<UDInterface*>(p->m_handle), p->m_int1) ? 1 : 0);
        return;
    }
    default:
        if (GuiCommonMessages::handle(GuiCommonMessages::Panel, this, this, type, msg))
            return;
        if (const VXMessageCatalogue::Row* row = VXMessageCatalogue::find(type);
            row && row->reply == VXMessageCatalogue::Result)
            GuiCommonMessages::setResult(msg, 0);
        return;
    }
}

// The messages that act on the grid's rows and columns.
bool GuiSpreadSheet::handleList(VXMessageType type, QtMessage* msg)
{
    GuiListView& list = *m_listView;
    switch (type) {
    case SSReplacePropertyNamesMsg:
        if (auto* p = as<QtStringList2Message>(msg))
            replacePropertyNames(p->m_list1, p->m_list2);
        return true;
    case SSReplaceListMsg: {
        // A new list never starts filtered.
        if (m_filterEdit)
            m_filterEdit->clear();
        if (m_filter)
            m_filter->applyFilter();
        m_proxy->setFilterEnabled(false);
        auto* p = as<QtHandleNumStrMessage>(msg);
        if (const OwnedRecords records = takeRecords(msg))
            list.replaceListTaking(*records, p ? p->m_string : QString());
        return true;
    }
    case SSUpdatePendingDataMsg:
        if (const OwnedRecords records = takeRecords(msg))
            list.updatePendingData(records.get());
        return true;
    case MEUpdateNodesMsg: {
        auto* p = as<QtHandleBoolMessage>(msg);
        if (const OwnedRecords records = takeRecords(msg))
            list.updateNodes(records.get(), p && p->m_bool);
        return true;
    }
    case MEEditListNodesMsg:
        if (const OwnedRecords records = takeRecords(msg))
            list.editListNodes(records.get());
        return true;
    case MEChangeEditTypeMsg:
        if (auto* p = as<QtHandleMessage>(msg)) {
            if (auto record = p->take<VXMEEditTypeData>())
                list.changeEditTypeData(record.release());
        }
        return true;
    case SSEditItemsMsg:
        if (auto* p = as<QtHandleMessage>(msg)) {
            if (const auto edit = p->take<QtSpreadSheetEdit>())
                editItems(edit->objects, edit->property, edit->value);
        }
        return true;
    case SSEnableSortingMsg:
        if (auto* p = as<QtStrInt4Message>(msg))
            list.enableListSorting(p->m_int1 != 0, p->m_string, p->m_int2 != 0, p->m_int3 != 0);
        return true;
    case MESetGroupColumnMsg:
        list.setGroupColumn(textOf(msg));
        GuiCommonMessages::setResult(msg, 1);
        return true;
    case SSSelectMsg:
        list.clearFakeSelection();
        if (auto* p = as<QtHandleBoolMessage>(msg)) {
            if (const auto objects = p->m_owned.take<Objects>()) {
                TemporaryRecords records(*objects);
                list.selectListViewItem(&records.list, true, p->m_bool);
            }
        }
        return true;
    case SSFillVectorWithTextMsg:
        if (auto* out = handleOf<std::vector<void*>>(msg))
            list.fillVectorWithListViewText(*out);
        GuiCommonMessages::setResult(msg, 1);
        return true;
    case SSGetItemsMsg:
        if (auto* out = handleOf<Objects>(msg))
            list.getLoadedListViewNodes(*out);
        GuiCommonMessages::setResult(msg, 1);
        return true;
    case SSGetSelectionMsg:
        if (auto* out = handleOf<Objects>(msg))
            list.fillVectorWithSelectedListNodes(*out);
        GuiCommonMessages::setResult(msg, 1);
        return true;
    case SSClickHyperLinkMsg:
        if (auto* p = as<QtHandleStr4Message>(msg); p && p->m_handle)
            list.clickHyperlink(static_cast<UDInterface*>(p->m_handle), p->m_string1);
        return true;
    case SSLoadAllContentMsg:
        list.scrollToLoadAll();
        GuiCommonMessages::setResult(msg, 1);
        return true;
    case SSGetListLoadFlagStatusMsg:
        GuiCommonMessages::setResult(msg, list.isListLoading() ? 1 : 0);
        return true;
    default:
        return false;
    }
}
