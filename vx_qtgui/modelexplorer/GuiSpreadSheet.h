#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "vx_qtgui/GuiEdit.h"
#include "vx_qtgui/GuiWidget.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiFilterInterface.h"

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include <vector>

class GuiListFilter;
class GuiListView;
class ListModel;
class ListProxyModel;
class QLabel;
class QToolButton;

/// The stand-alone property grid of a QtSpreadSheet peer: one row per host object, one column
/// per property, over the list model in spreadsheet mode, with a filter box floating at the top
/// right of the grid and Control-click grouping on the header. GUI thread.
class GuiSpreadSheet : public QWidget, public GuiWidget, public GuiFilterInterface {
    Q_OBJECT

public:
    using Objects = std::vector<UDInterface*>;

    GuiSpreadSheet(void* key, QWidget* parent);
    ~GuiSpreadSheet() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    GuiListView* listView() const { return m_listView; }
    ListModel* listModel() const { return m_model; }
    ListProxyModel* proxyModel() const { return m_proxy; }
    QWidget* filterBox() const { return m_filterBox; }
    QToolButton* filterCloseButton() const { return m_closeButton; }
    GuiEdit* filterEdit() const { return m_filterEdit.data(); }
    QString title() const { return m_title; }

    /// Shows the filter box with the focus in it, or hides it and switches filtering off; the
    /// filter text is cleared either way.
    void toggleFilter();
    /// Sets and applies the filter text at once (the host reads the result right after).
    void setFilterText(const QString& text);
    QString filterText() const;
    /// Writes `value` into the property's cell of each object's row and reports the change.
    void editItems(const Objects& objects, const QString& property, const QString& value);
    /// Whether the cell is painted faint, as read-only cells are.
    bool isItemDrawnDisabled(UDInterface* object, int column) const;
    bool isInView(UDInterface* object) const;

    // GuiFilterInterface, for the list view's painting and queries.
    QString getFilterString() const override;
    void imSetFilterString(const QString& text) override;
    QString getFilterColumn() const override;
    void highLight(const QString& text, const QRect& rect, const QFontMetrics& metrics,
        QPainter* painter) const override;

public slots:
    void slotFilterClosed();
    void slotHeaderClicked(int section);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setupSpreadSheet();
    void createListView();
    void createFilterBox();
    void bindFilter(GuiEdit* edit);
    void placeFilterBox();
    void setTitle(const QString& title);
    void replacePropertyNames(const QStringList& names, const QStringList& newNames);
    bool handleList(VXMessageType type, QtMessage* msg);

    ListModel* m_model = nullptr;
    ListProxyModel* m_proxy = nullptr;
    GuiListView* m_listView = nullptr;
    QWidget* m_filterBox = nullptr;
    QToolButton* m_closeButton = nullptr;
    GuiEdit* m_ownEdit = nullptr;
    QPointer<GuiEdit> m_filterEdit;
    GuiListFilter* m_filter = nullptr;
    QLabel* m_titleLabel = nullptr;
    QString m_title;
    QPointer<QObject> m_listViewManager;
    Qt::KeyboardModifiers m_headerModifiers;
};
