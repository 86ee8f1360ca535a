#pragma once

#include "engine/modelexplorer/UDInterface.h"

#include <QPoint>
#include <QTimer>
#include <QTreeView>

class ListEventFilter;
class ListItem;
class QMimeData;
class VXMEObjectEventData;

/// The explorer's item view base, shared by the list and the tree: the delayed selection
/// notice, the drag of the current selection and drops on the empty space below the rows, and
/// the dialog-update signal. GUI thread.
class GuiBaseView : public QTreeView {
    Q_OBJECT

public:
    /// Where a drop on the empty space below the rows stands.
    enum DropStatus {
        DropNone = 0,
        DropAnswered = 3,
        DropAsking = 4,
    };
    /// Drop actions the host may allow on the empty space (bit values).
    enum DropActionBit : unsigned {
        DropCopy = 1,
        DropMove = 2,
    };
    /// The drag format of the explorer's views; the content stays empty because the dragged
    /// objects are the current selection, which the host already knows.
    static const char HandleVectorMimeType[];
    /// A drag starts once the pointer has moved this far in x or y from the press.
    static constexpr int DragDistance = 4;
    static constexpr int SelectionDelayMs = 100;

    explicit GuiBaseView(QWidget* parent = nullptr);
    ~GuiBaseView() override;

    /// While on, selection changes are announced once they have settled for the delay.
    void setUseSelectionDelay(bool on);
    bool useSelectionDelay() const { return m_useSelectionDelay; }

    /// The host's answer to a whitespace drop query.
    void setWhitespaceAcceptedActions(unsigned actions);
    void clearWhitespaceAcceptedActions();
    int whitespaceDropStatus() const { return m_whitespaceDropStatus; }
    unsigned whitespaceAcceptedActions() const { return m_whitespaceActions; }

    bool isDragArmed() const { return m_dragArmed; }
    QPoint pressPosition() const { return m_pressPosition; }
    /// Whether a viewport position lies below the last row (or the view has no rows).
    bool isEventInWhitespace(const QPoint& viewportPosition) const;

    /// New drag data in the views' format.
    static QMimeData* createHandleVectorMimeData();

signals:
    void dialogUpdate(ListItem* item);
    void dragStart(bool fromView);
    void dropQuery(VXMEObjectEventData* target, bool sourceIsThisView, Qt::MouseButtons buttons);
    void checkboxStateChanged(ListItem* item, bool checked);
    void drop(UDInterface* target, bool sourceIsThisView, int globalX, int globalY);
    void dragEnter();

protected:
    /// Starts or restarts the delay, or calls selectionSettled() at once when the delay is off.
    void noteSelectionChanged();
    /// The selection has settled.
    virtual void selectionSettled() { }
    /// Called right before a drag of the selection starts.
    virtual void aboutToStartDrag() { }
    /// Whether a left press at this viewport position arms a drag (default: on a row, while
    /// dragging is enabled).
    virtual bool armsDrag(const QPoint& viewportPosition) const;
    /// Drops over rows; the base refuses them.
    virtual bool acceptRowDrag(QDragMoveEvent* event);
    virtual bool acceptRowDrop(QDropEvent* event);
    /// Runs the drag of the selection (copy and move allowed).
    virtual void executeDrag();

    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

    void disarmDrag() { m_dragArmed = false; }

private:
    ListEventFilter* m_eventFilter;
    QTimer m_selectionTimer;
    QPoint m_pressPosition;
    unsigned m_whitespaceActions = 0;
    int m_whitespaceDropStatus = DropNone;
    bool m_useSelectionDelay = false;
    bool m_dragArmed = false;
};
