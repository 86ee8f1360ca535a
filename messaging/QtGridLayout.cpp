#include "messaging/QtGridLayout.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtGridStretchMessage.h"

#include <algorithm>

QtGridLayout::QtGridLayout() = default;

QtGridLayout::QtGridLayout(VXWidget* parent)
    : QtPeer<VXGridLayout>(parent)
{
}

void QtGridLayout::addLayout(
    VXWidget* layout, int fromRow, int toRow, int fromCol, int toCol, int alignment)
{
    vxpeer::post(this, LAYGridAddLayoutMsg,
        vxpeer::HandleInts { layout, fromRow, toRow, fromCol, toCol, alignment });
}

void QtGridLayout::addWidget(VXWidget* widget, int row, int col, int alignment)
{
    vxpeer::post(this, LAYGridAddWidget2Msg, vxpeer::HandleInts { widget, row, col, alignment });
}

void QtGridLayout::addWidget(
    VXWidget* widget, int fromRow, int toRow, int fromCol, int toCol, int alignment)
{
    vxpeer::post(this, LAYGridAddWidgetMsg,
        vxpeer::HandleInts { widget, fromRow, toRow, fromCol, toCol, alignment });
}

void QtGridLayout::setColStretchFactor(int col, int stretch)
{
    vxpeer::post(this, LAYGridSetColStretchMsg, vxpeer::Ints { col, stretch });
}

void QtGridLayout::setRowStretchFactor(int row, int stretch)
{
    vxpeer::post(this, LAYGridSetRowStretchMsg, vxpeer::Ints { row, stretch });
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
    vxpeer::post(message);
}

void QtGridLayout::setMargin(int margin)
{
    vxpeer::post(this, LAYGridSetMarginMsg, margin);
}

void QtGridLayout::setActive(bool active)
{
    vxpeer::post(this, LAYGridSetActiveMsg, active);
}

void QtGridLayout::removeWidget(VXWidget* widget)
{
    vxpeer::post(this, LAYRemoveWidgetMsg, vxpeer::Handle { widget });
}
