#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "vx_qtgui/modelexplorer/itemviews/GuiFilterInterface.h"

#include <QPointer>
#include <QWidget>

class GuiEdit;
class GuiListFilter;
class GuiListView;
class GuiMEHyperlink;
class GuiModelExplorer;
class GuiSearchPanel;
class ListModel;
class ListProxyModel;
class ODProgressBar;
class QAction;
class QLabel;
class QTabBar;
class QToolButton;
class QVBoxLayout;
class VXMEObjectEventData;

/// The list side of the explorer: the list tab bar, the "contents of" row with its link and
/// scope button, the filter field, the search panel slot, the property list and the busy bar.
/// It is also the list view's filter, through the search side's list filter. GUI thread.
class GuiMEDialogList : public QWidget, public GuiFilterInterface {
    Q_OBJECT

public:
    GuiMEDialogList(GuiModelExplorer* explorer, QWidget* parent);
    ~GuiMEDialogList() override;

    GuiListView* listView() const { return m_listView; }
    ListModel* listModel() const { return m_model; }
    ListProxyModel* proxyModel() const { return m_proxy; }
    QTabBar* tabBar() const { return m_tabBar; }
    GuiMEHyperlink* hyperlink() const { return m_hyperlink; }
    GuiEdit* filterEdit() const { return m_filterEdit; }
    GuiListFilter* listFilter() const { return m_filter; }
    ODProgressBar* busyBar() const { return m_busyBar; }
    QToolButton* scopeButton() const { return m_scopeButton; }
    GuiSearchPanel* searchPanel() const;

    void setHyperlink(UDInterface* object, const QString& text, bool enabled);
    UDInterface* getHyperlink() const;
    bool isHyperlinkEnabled() const;
    QString contentsOfText() const;
    void showContentsOfHyperlink(bool show);
    void showContentsOf(bool show);
    void showFilterContents(bool show);
    void setTabBarVisible(bool visible);
    bool isTabBarVisible() const;
    /// Behaves as the user's choice of tab `index`; false when there is no such tab.
    bool executeTabBar(int index);
    /// The action whose checked state the scope button shows; unknown proxies change nothing.
    void setScopeAction(QAction* action);
    /// The filter text is emptied and applied at once.
    void clearFilter();
    /// The filter field's text as typed (a column prefix included).
    QString filterText() const;
    /// Sets and applies the filter text now (the host reads the result right after).
    void setFilterString(const QString& text);
    /// The panel goes to the slot under the filter field, hidden until the host shows it.
    void addSearchPanel(GuiSearchPanel* panel);
    /// Another widget of the host placed under the list (null removes it).
    void setInfoPanel(QWidget* panel);

    // GuiFilterInterface, for the list view's painting and queries.
    QString getFilterString() const override;
    void imSetFilterString(const QString& text) override;
    QString getFilterColumn() const override;
    void highLight(const QString& text, const QRect& rect, const QFontMetrics& metrics,
        QPainter* painter) const override;

public slots:
    /// A new list source (the tree's selection): no filter, nothing pending.
    void slotListSourceChanged(VXMEObjectEventData* record);
    void slotViewFocusChanged(bool treeHasFocus);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createListView();
    void connectListToWindow();
    void setSearchMode(bool on);
    void tabChanged(int index);

    GuiModelExplorer* m_explorer;
    QVBoxLayout* m_layout;
    QTabBar* m_tabBar;
    QWidget* m_contentsRow;
    QLabel* m_contentsLabel;
    GuiMEHyperlink* m_hyperlink;
    QToolButton* m_scopeButton;
    GuiEdit* m_filterEdit;
    ListModel* m_model = nullptr;
    ListProxyModel* m_proxy = nullptr;
    GuiListView* m_listView = nullptr;
    GuiListFilter* m_filter = nullptr;
    ODProgressBar* m_busyBar;
    QPointer<QWidget> m_searchPanel;
    QPointer<QWidget> m_infoPanel;
    bool m_ignoreTabChange = false;
};
