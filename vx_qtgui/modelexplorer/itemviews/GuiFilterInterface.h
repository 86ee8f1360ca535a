#pragma once

#include <QString>

class QFontMetrics;
class QPainter;
class QRect;

/// What the list view needs of the filter edit above it: its text, the column it narrows, and
/// the drawing of matches. The search side implements it. GUI thread.
class GuiFilterInterface {
public:
    virtual ~GuiFilterInterface() = default;

    virtual QString getFilterString() const = 0;
    /// Sets the filter text as if the user had typed it.
    virtual void imSetFilterString(const QString& text) = 0;
    /// The header title the filter is limited to; empty for every column.
    virtual QString getFilterColumn() const = 0;
    /// Marks the matches of the filter text in `text`, drawn in `rect`, under the text.
    virtual void highLight(const QString& text, const QRect& rect, const QFontMetrics& metrics,
        QPainter* painter) const = 0;
};
