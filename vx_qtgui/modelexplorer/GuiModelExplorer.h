#pragma once

#include "engine/modelexplorer/UDInterface.h"
#include "vx_qtgui/GuiWidget.h"

#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include <atomic>
#include <map>

class GuiAction;
class GuiMESelectionChangedDialog;
class GuiModelView;
class GuiSearchBar;
class GuiSearchPanel;
class QProgressDialog;
class QtBoolInt2Message;
class QSplitter;
class QTimer;
class VXMEObjectEventData;
class VXStringList;

/// The main window of one Model Explorer. Every explorer message goes through one routing table
/// to the window itself (title, icon, position, menus, status bar, waits, dialogs) or to the
/// model view; what the user does becomes host events through GuiExplorerEvents. Records the
/// messages carry are freed once handled. GUI thread.
class GuiModelExplorer : public QMainWindow, public GuiWidget {
    Q_OBJECT

public:
    GuiModelExplorer(void* key, QWidget* parent);
    ~GuiModelExplorer() override;

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// Whether the routing table takes `type` (to the window or the model view).
    static bool routes(VXMessageType type);
    /// The display text of `id` from the table given at creation; empty when unknown.
    static QString xlate_ME(int id);
    /// Gives an explorer's search bar its translated label, button text and options tip.
    static void applyCatalogueTexts(GuiSearchBar* bar);
    /// Gives an explorer's search panel its translated title and expand and collapse tips.
    static void applyCatalogueTexts(GuiSearchPanel* panel);

    GuiModelView* modelView() const { return m_modelView; }
    QSplitter* splitter(int index) const;
    void setSplitter(int index, QSplitter* splitter);
    /// A window-wide shortcut; an existing entry for the same keys is kept.
    void addShortcut(GuiAction* action);

    bool preventDialogClose() const;
    bool getNeverAskAgain() const { return m_neverAskAgain; }
    bool treeViewHasFocus() const { return m_treeViewHasFocus; }
    bool isCurrentDialogVisible() const;
    bool isCurrentDialogDirty() const;
    bool isViewSelectionChangedQueued() const { return m_viewSelectionChangedQueued; }
    void setViewSelectionChangedQueued(bool queued) { m_viewSelectionChangedQueued = queued; }
    void notifyTabBarSelectionChanged(int index);
    void notifyViewHyperlink(UDInterface* object);
    /// Any thread: the selection-changed dialog while it runs modally, else null.
    GuiMESelectionChangedDialog* runningSelectionChangedDialog() const
    {
        return m_selectionChangedDialog.load();
    }
    /// Runs the selection-changed dialog modally; with `autoAnswer` a helper thread answers it.
    /// The reply's bool is true (or the helper's result), its ints the user's answer.
    QtBoolInt2Message* runSelectionChangedDialog(bool hideCheckBox, const QString& autoAnswer);
    QProgressDialog* progressDialogWidget() const { return m_progressDialog; }

signals:
    void listSourceChanged(VXMEObjectEventData* record);
    void viewFocusChanged(bool treeHasFocus);

public slots:
    void setCaption(QString caption);
    void slotSBDestroyed();
    void slotSBVisibilityChanged(bool visible);
    void slotIncreaseFont();
    void slotDecreaseFont();
    void slotScopeGUIChanged(QAction* action);
    void slotListFilterChanged(QString text);
    void slotViewSelectionChanged(bool treeHasFocus);
    void slotListGroupChanged(QString column);
    void slotDialogUpdateRequest(UDInterface* object);
    void slotTreeItemDoubleClicked(UDInterface* object);
    void slotRightButtonClicked(
        QPoint location, bool isTree, bool isWhiteSpace, QString propertyName);
    void slotColumnsReordered(VXStringList* propList);
    void slotDragStart(bool isList);
    void slotDragEnter();
    void slotDropQuery(VXMEObjectEventData* eventData, bool isList, int dragButtons);
    void slotCheckboxStateChanged(UDInterface* object, bool checked);
    void slotTreeExpanded(VXMEObjectEventData* eventData);
    void slotTreeCollapsed(VXMEObjectEventData* eventData);
    void slotDrop(UDInterface* udi, bool isList, int x, int y);
    void slotTreeSelectionChanged(VXMEObjectEventData* eventData);
    void slotModelChanged();
    void slotStatusMessageChanged(int id);
    void slotProgressDialogCanceled();
    void slotProgDlgTimeOut();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    using Handler = void (*)(GuiModelExplorer&, QtMessage&);
    static const std::map<int, Handler>& routingTable();

    void setUp(QtMessage& msg);
    void setPosition(const QRect& frame);
    void changeFont(const QString& family, int size, int weight, int italic, int underline);
    void startWait(const QString& text, int delayMs);
    void stopWait();
    void sleepWindow(const QString& text);
    void wakeWindow();
    void progress(QtMessage& msg);
    void closeProgress();
    void setSplitterSizes(const int* sizes, int count);
    void reportSplitters();
    void reportVisibility(bool visible);
    void createNewObject(bool editable);
    void selectionChangedDialog(QtMessage& msg);
    void selectListNodesSync(QtMessage& msg);

    static QMap<int, QString> m_xlateMap;

    GuiModelView* m_modelView = nullptr;
    QPointer<QSplitter> m_splitters[3];
    VXStringList* m_objSelectionList = nullptr;
    bool m_treeViewHasFocus = true;
    bool m_viewSelectionChangedQueued = false;
    bool m_shownOnce = false;
    bool m_visible;
    bool m_forceClose = false;
    bool m_toolbarMenuEnabled = true;
    QString m_autoAnswerAction;
    std::atomic<GuiMESelectionChangedDialog*> m_selectionChangedDialog { nullptr };
    QString m_waitMessage;
    int m_dragButtons = 0;
    QProgressDialog* m_progressDialog = nullptr;
    bool m_progressCanceled = false;
    int m_progressValue = 0;
    QTimer* m_progressTimer = nullptr;
    bool m_neverAskAgain = false;
    int m_waitTimerId = -1;
    int m_sleepTimerId = -1;
    std::map<QString, QPointer<GuiAction>> m_shortcuts;
};
