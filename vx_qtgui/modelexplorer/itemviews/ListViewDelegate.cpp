#include "vx_qtgui/modelexplorer/itemviews/ListViewDelegate.h"

#include "engine/VXObject.h"
#include "engine/modelexplorer/VXMEEditTypeData.h"
#include "vx_qtgui/GuiLookup.h"
#include "vx_qtgui/GuiObject.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListItem.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListModel.h"
#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiFilterInterface.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiListView.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCompleter>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolButton>

QPersistentModelIndex ListViewDelegate::m_EditIndex;

namespace {
const QString& noValue()
{
    static const QString text = QLatin1String(GuiListView::NoValueEditText);
    return text;
}

bool isWritableCheckBox(std::uint16_t flags)
{
    return (flags & ListItem::CellBoolean) && !(flags & ListItem::CellReadOnly);
}
} // namespace

ListViewDelegate::ListViewDelegate(GuiListView* view)
    : ODItemDelegate(view)
    , m_listView(view)
{
}

ListViewDelegate::~ListViewDelegate() = default;

void ListViewDelegate::setEditTypeData(VXMEEditTypeData* data)
{
    m_editTypeData.reset(data);
}

QWidget* ListViewDelegate::createEditor(
    QWidget* parent, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(option);
    if (!m_editTypeData || !index.isValid())
        return nullptr;
    auto* self = const_cast<ListViewDelegate*>(this);
    if (m_editTypeData->choices.isEmpty()) {
        if (!m_editTypeData->allowText)
            return nullptr;
        auto* edit = new QLineEdit(parent);
        edit->setFrame(false);
        connect(edit, &QLineEdit::editingFinished, self, &ListViewDelegate::slotEditingFinished);
        return edit;
    }
    auto* combo = new QComboBox(parent);
    combo->setEditable(m_editTypeData->editable);
    if (combo->view())
        combo->view()->setTextElideMode(Qt::ElideRight);
    if (!combo->isEditable()) {
        combo->setMaximumHeight(combo->sizeHint().height());
        connect(combo, QOverload<int>::of(&QComboBox::activated), self,
            [self, combo](int) { self->closeAndCommitEditor(combo); });
    } else {
        auto* completer = new QCompleter(combo->model(), combo);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        completer->popup()->setFont(m_listView->font());
        combo->setCompleter(completer);
        connect(completer, QOverload<const QString&>::of(&QCompleter::activated), self,
            &ListViewDelegate::slotSuggestionSelected);
        connect(combo->lineEdit(), &QLineEdit::returnPressed, self,
            [self, combo] { self->closeAndCommitEditor(combo); });
    }
    return combo;
}

void ListViewDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    const QString text = m_editText;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        edit->setText(text);
        edit->selectAll();
        if (text != noValue()) {
            if (auto* model = const_cast<QAbstractItemModel*>(index.model()))
                model->setData(index, text, Qt::EditRole);
        }
        if (m_editTypeData && m_editTypeData->externalEditor)
            attachExternalEditorGUI(edit);
        return;
    }
    auto* combo = qobject_cast<QComboBox*>(editor);
    if (!combo || !m_editTypeData)
        return;
    const QSignalBlocker blocker(combo);
    combo->clear();
    if (!combo->isEditable() && text != noValue())
        combo->addItem(text);
    for (const std::string& choice : m_editTypeData->choices.elements())
        combo->addItem(QString::fromLocal8Bit(choice.data(), int(choice.size())));
    const int found = combo->findText(text, Qt::MatchFixedString);
    if (found >= 0)
        combo->setCurrentIndex(found);
    else if (combo->isEditable())
        combo->setEditText(text);
    else
        combo->setCurrentIndex(0);
    if (!combo->isEditable() && !m_noPopup)
        QTimer::singleShot(0, combo, [combo] {
            if (combo->isVisible())
                combo->showPopup();
        });
}

void ListViewDelegate::setModelData(
    QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    Q_UNUSED(model);
    auto* self = const_cast<ListViewDelegate*>(this);
    self->m_noPopup = false;
    if (!index.isValid())
        return;
    QString text;
    if (auto* edit = qobject_cast<QLineEdit*>(editor)) {
        text = edit->text();
    } else if (auto* combo = qobject_cast<QComboBox*>(editor)) {
        text = combo->currentText();
    } else {
        const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
        text = QLatin1String(checked ? "0" : "1");
    }
    if (text == noValue() || text == index.data(Qt::EditRole).toString())
        return;
    ListItem* item = m_listView->itemForIndex(index);
    if (!item)
        return;
    QList<ListItem*> rows = m_listView->selectedItems();
    if (!rows.contains(item))
        rows.prepend(item);
    GuiListView* root = m_listView->rootView();
    emit root->itemsChanged(rows, m_listView->propertyName(index.column()), text);
    m_listView->viewport()->update(m_listView->visualRect(index));
}

void ListViewDelegate::updateEditorGeometry(
    QWidget* editor, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    Q_UNUSED(index);
    QRect rect = option.rect;
    if (editor->minimumWidth() > rect.width())
        rect.setWidth(editor->minimumWidth());
    editor->setGeometry(rect);
}

void ListViewDelegate::attachExternalEditorGUI(QLineEdit* edit) const
{
    if (!edit || !m_editTypeData || !m_editTypeData->externalEditor)
        return;
    // The action belongs to a proxy the host may have dropped meanwhile: look it up now.
    VXObject* proxy = VXObject::find(m_editTypeData->externalEditor);
    auto* action = proxy ? dynamic_cast<QAction*>(lookup(proxy)) : nullptr;
    if (!action)
        return;
    auto* button = new QToolButton(edit);
    button->setDefaultAction(action);
    button->setStyleSheet(QStringLiteral("QToolButton { border: none; padding: 0px; }"));
    button->setCursor(Qt::ArrowCursor);
    const QSize size = button->sizeHint();
    const int y = std::max(0, (edit->height() - size.height()) / 2);
    button->setGeometry(edit->width() - size.width(), y, size.width(), size.height());
    edit->setTextMargins(0, 0, size.width(), 0);
    edit->setMinimumSize(std::max(edit->minimumWidth(), size.width() * 2),
        std::max(edit->minimumHeight(), size.height()));
    button->show();
}

bool ListViewDelegate::editorEvent(QEvent* event, QAbstractItemModel* model,
    const QStyleOptionViewItem& option, const QModelIndex& index)
{
    if (event->type() != QEvent::MouseButtonRelease || !index.isValid())
        return ODItemDelegate::editorEvent(event, model, option, index);
    auto* mouse = static_cast<QMouseEvent*>(event);
    ListItem* item = m_listView->itemForIndex(index);
    if (mouse->button() != Qt::LeftButton || !item
        || !isWritableCheckBox(item->cellFlags(index.column())))
        return false;
    if (!checkBoxRect(option, index).contains(mouse->pos()))
        return false;
    toggleCheckBoxes(index);
    return true;
}

void ListViewDelegate::toggleCheckBoxes(const QModelIndex& index)
{
    ListModel* model = m_listView->listModel();
    ListItem* item = m_listView->itemForIndex(index);
    if (!model || !item)
        return;
    const int column = index.column();
    const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
    const QString text = QLatin1String(checked ? "0" : "1");
    QList<ListItem*> rows { item };
    model->setData(model->indexFromItem(item, column), text, Qt::EditRole);
    for (ListItem* other : m_listView->selectedItems()) {
        if (other == item || !isWritableCheckBox(other->cellFlags(column)))
            continue;
        model->setData(model->indexFromItem(other, column), text, Qt::EditRole);
        rows.append(other);
    }
    m_listView->noteCheckBoxToggled(column);
    GuiListView* root = m_listView->rootView();
    emit root->itemsChanged(rows, m_listView->propertyName(column), text);
    m_listView->viewport()->update();
}

void ListViewDelegate::adjustStateFlags(
    QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ListItem* item = m_listView->itemForIndex(index);
    if (item && item->fakeSelected && !GuiListView::frameFakeSelection())
        option.state |= QStyle::State_Selected | QStyle::State_Active;
}

void ListViewDelegate::drawIconForProperty(
    const QStyleOptionViewItem& option, QPainter* painter) const
{
    if (option.icon.isNull())
        return;
    const QWidget* widget = option.widget ? option.widget : m_listView;
    QStyle* style = widget->style();
    const QRect rect = style->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, widget);
    option.icon.paint(painter, rect, option.decorationAlignment, QIcon::Disabled);
}

void ListViewDelegate::drawLineForInvalidProperties(const QRect& rect, QPainter* painter) const
{
    const int y = rect.top() + rect.height() / 2;
    const int x = rect.left() + 2;
    const int length = std::min(10, rect.right() - x);
    if (length <= 0)
        return;
    painter->save();
    painter->setPen(QPen(QColor(Qt::gray), 1));
    painter->drawLine(x, y, x + length, y);
    painter->restore();
}

void ListViewDelegate::paint(
    QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const ListItem* item = m_listView->itemForIndex(index);
    const ListModel* model = m_listView->listModel();
    if (!item || !model || model->isGroupItem(item)) {
        ODItemDelegate::paint(painter, option, index);
        return;
    }
    const int column = index.column();
    const std::uint16_t flags = item->cellFlags(column);
    QStyleOptionViewItem opt = option;
    adjustStateFlags(opt, index);
    if (flags & ListItem::CellBold)
        opt.font.setWeight(75);
    if (flags & ListItem::CellItalic)
        opt.font.setItalic(true);
    if (model->isSpreadsheetMode() && (flags & ListItem::CellReadOnly)) {
        const int grey = GuiListView::SpreadsheetReadOnlyGrey;
        painter->fillRect(opt.rect, QColor(grey, grey, grey));
    }
    const GuiFilterInterface* filter = m_listView->filter();
    const ListProxyModel* proxy = m_listView->listProxy();
    if (filter && proxy && proxy->isFilterEnabled() && !(flags & ListItem::CellBoolean)) {
        const QString filterColumn = filter->getFilterColumn();
        if (filterColumn.isEmpty() || filterColumn == model->getHeaderTitle(column)) {
            QStyleOptionViewItem text = opt;
            initStyleOption(&text, index);
            const QWidget* widget = opt.widget ? opt.widget : m_listView;
            const QRect rect
                = widget->style()->subElementRect(QStyle::SE_ItemViewItemText, &text, widget);
            filter->highLight(text.text, rect, QFontMetrics(opt.font), painter);
        }
    }
    if (flags & ListItem::CellElideLeft)
        opt.textElideMode = Qt::ElideLeft;
    if (flags & ListItem::CellIconAlign)
        opt.decorationPosition = QStyleOptionViewItem::Right;

    const bool readOnlyBox = (flags & ListItem::CellBoolean) && (flags & ListItem::CellReadOnly);
    QRect boxRect;
    int boxState = Qt::Unchecked;
    if (readOnlyBox) {
        boxRect = checkBoxRect(opt, index);
        boxState = index.data(Qt::CheckStateRole).toInt();
        // The disabled icon replaces the enabled indicator the style would draw.
        QStyleOptionViewItem plain = opt;
        initStyleOption(&plain, index);
        plain.features &= ~QStyleOptionViewItem::HasCheckIndicator;
        const QWidget* widget = opt.widget ? opt.widget : m_listView;
        widget->style()->drawControl(QStyle::CE_ItemViewItem, &plain, painter, widget);
    } else {
        paintStyledCell(painter, opt, index);
    }
    if ((flags & ListItem::CellGreyed) && column == 0) {
        QStyleOptionViewItem icon = opt;
        initStyleOption(&icon, index);
        drawIconForProperty(icon, painter);
    }
    if (readOnlyBox && !boxRect.isEmpty())
        drawCheckBoxIcon(painter, opt, boxRect, boxState, false);
    if (m_listView->isMarkUnrelated() && !(flags & ListItem::CellValid))
        drawLineForInvalidProperties(opt.rect, painter);
}

void ListViewDelegate::closeAndCommitEditor(QWidget* editor)
{
    if (!editor)
        return;
    emit commitData(editor);
    emit closeEditor(editor, QAbstractItemDelegate::NoHint);
}

void ListViewDelegate::slotEditingFinished()
{
    closeAndCommitEditor(qobject_cast<QWidget*>(sender()));
}

void ListViewDelegate::slotSuggestionSelected()
{
    auto* completer = qobject_cast<QCompleter*>(sender());
    auto* combo = completer ? qobject_cast<QComboBox*>(completer->parent()) : nullptr;
    if (combo && completer)
        combo->setEditText(completer->currentCompletion());
    closeAndCommitEditor(combo);
}
