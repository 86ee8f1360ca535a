#include "messaging/QtGridLayout.h"

#include "messaging/QtBridge.h"
#include "messaging/QtContainerPeer.h"
#include "messaging/QtGridStretchMessage.h"
#include "messaging/QtWidgetPeer.h"

#include <algorithm>

QtGridLayout::QtGridLayout() = default;

QtGridLayout::QtGridLayout(VXWidget* parent)
    : VXGridLayout(parent)
{
}

QtGridLayout::~QtGridLayout()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtGridLayout::addLayout(
    VXWidget* layout, int fromRow, int toRow, int fromCol, int toCol, int alignment)
{
    QtContainerPeer::postHandleInts(
        this, LAYGridAddLayoutMsg, layout, fromRow, toRow, fromCol, toCol, alignment);
}

void QtGridLayout::addWidget(VXWidget* widget, int row, int col, int alignment)
{
    QtContainerPeer::postHandleInts(this, LAYGridAddWidget2Msg, widget, row, col, alignment);
}

void QtGridLayout::addWidget(
    VXWidget* widget, int fromRow, int toRow, int fromCol, int toCol, int alignment)
{
    QtContainerPeer::postHandleInts(
        this, LAYGridAddWidgetMsg, widget, fromRow, toRow, fromCol, toCol, alignment);
}

void QtGridLayout::setColStretchFactor(int col, int stretch)
{
    QtContainerPeer::postInts(this, LAYGridSetColStretchMsg, col, stretch);
}

void QtGridLayout::setRowStretchFactor(int row, int stretch)
{
    QtContainerPeer::postInts(this, LAYGridSetRowStretchMsg, row, stretch);
}

void QtGridLayout::setStretchFactors(const int* rows, const int* cols, int nRows, int nCols)
{
    // The message owns copies: the host's arrays may be gone before the GUI thread reads them.
    auto* message = new QtGridStretchMessage(this, LAYGridSetStretchFactorsMsg);
    if (rows && nRows > 0) {
        message->m_rowCount = nRows;
        message->m_rowStretch = new int[std::size_t(nRows)];
        std::copy(rows, rows + nRows, message->m_rowStretch);
    }
    if (cols && nCols > 0) {
        message->m_columnCount = nCols;
        message->m_columnStretch = new int[std::size_t(nCols)];
        std::copy(cols, cols + nCols, message->m_columnStretch);
    }
    QtBridge::post(message);
}

void QtGridLayout::setMargin(int margin)
{
    QtWidgetPeer::postInt(this, LAYGridSetMarginMsg, margin);
}

void QtGridLayout::setActive(bool active)
{
    QtWidgetPeer::postBool(this, LAYGridSetActiveMsg, active);
}

void QtGridLayout::removeWidget(VXWidget* widget)
{
    QtContainerPeer::postHandle(this, LAYRemoveWidgetMsg, widget);
}
