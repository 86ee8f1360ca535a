#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

/// Engine-side proxy of a grid layout, with or without a parent; the peer implements its
/// operations. Engine thread.
class VXQTGUI_EXPORT VXGridLayout : public VXWidget {
public:
    VXGridLayout();
    explicit VXGridLayout(VXWidget* parent);
    ~VXGridLayout() override;

    /// Rows and columns below 0 are taken as 0; an end below 0 spans to the last row or
    /// column. `alignment` is 1 to 10 (left; top left to bottom right), anything else none.
    virtual void addLayout(
        VXWidget* layout, int fromRow, int toRow, int fromCol, int toCol, int alignment)
    {
    }
    virtual void addWidget(VXWidget* widget, int row, int col, int alignment) { }
    virtual void addWidget(
        VXWidget* widget, int fromRow, int toRow, int fromCol, int toCol, int alignment)
    {
    }
    virtual void setColStretchFactor(int col, int stretch) { }
    virtual void setRowStretchFactor(int row, int stretch) { }
    /// Null arrays and counts below 1 are skipped; the arrays are copied.
    virtual void setStretchFactors(const int* rows, const int* cols, int nRows, int nCols) { }
    virtual void setMargin(int margin) { }
    virtual void setActive(bool active) { }
    virtual void removeWidget(VXWidget* widget) { }
};
