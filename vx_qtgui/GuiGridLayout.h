#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QGridLayout>

/// The grid layout of a QtGridLayout peer, on a parent widget or free until another layout
/// takes it. Also holds the look-ups that the box layouts share. GUI thread.
class GuiGridLayout : public QGridLayout, public GuiWidget {
    Q_OBJECT

public:
    /// Rows and columns are the host's; the grid grows as items are added.
    GuiGridLayout(void* key, QWidget* parent, int rows, int columns);
    GuiGridLayout(void* key, int rows, int columns);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// The alignment numbered 1 to 10; any other number is none.
    static Qt::Alignment getQtAlignmentFlag(int number);
    /// The registered widget of a proxy handle, or null.
    static QWidget* registeredWidget(void* handle);
    /// The registered layout of a proxy handle, or null when it is missing or `self` may not
    /// hold it (GuiPlacement).
    static QLayout* registeredLayout(void* handle, const QLayout* self, VXMessageType operation);
    /// The registered widget of a proxy handle, or null when it is missing or would hold the
    /// widget `self` lays out (GuiPlacement).
    static QWidget* placeableWidget(void* handle, const QLayout* self, VXMessageType operation);
    /// Contents margins of new layouts: 2 device-independent units, truncated.
    static int defaultMargin();
    /// Whether the host asks layouts to re-activate after removing a widget.
    static bool activateAfterRemove();

private:
    void place(QtMessage* msg, bool isLayout);
};
