#pragma once

#include "engine/VXGridLayout.h"
#include "messaging/QtPeer.h"

/// The grid layout's peer: every operation becomes a message to its GuiGridLayout. Engine thread.
class QtGridLayout : public QtPeer<VXGridLayout> {
public:
    QtGridLayout();
    explicit QtGridLayout(VXWidget* parent);

    void addLayout(
        VXWidget* layout, int fromRow, int toRow, int fromCol, int toCol, int alignment) override;
    void addWidget(VXWidget* widget, int row, int col, int alignment) override;
    void addWidget(
        VXWidget* widget, int fromRow, int toRow, int fromCol, int toCol, int alignment) override;
    void setColStretchFactor(int col, int stretch) override;
    void setRowStretchFactor(int row, int stretch) override;
    void setStretchFactors(const int* rows, const int* cols, int nRows, int nCols) override;
    void setMargin(int margin) override;
    void setActive(bool active) override;
    void removeWidget(VXWidget* widget) override;
};
