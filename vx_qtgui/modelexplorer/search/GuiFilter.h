#pragma once

#include "vx_qtgui/modelexplorer/itemviews/GuiFilterInterface.h"

#include <QColor>
#include <QObject>
#include <QString>

class GuiEdit;
class QFont;
class QFontMetrics;
class QPainter;
class QRect;

/// A filter edit and the rule that decides which cell texts match it and where the matches are
/// highlighted; what a list view asks of its filter. GUI thread.
class GuiFilter : public QObject, public GuiFilterInterface {
    Q_OBJECT

public:
    /// `edit` stays the caller's (usually a child of the same widget as this filter).
    GuiFilter(GuiEdit* edit, QObject* parent = nullptr);
    ~GuiFilter() override;

    static const QString EqualOp;
    static const QChar DoubleQuotes;
    static const QString ThreeDots;
    static const QColor m_HighLightColor;

    GuiEdit* edit() const { return m_edit; }

    /// The text matched: the edit's completion prefix when it completes, else its text.
    QString getFilterString() const override;
    /// The header title the text narrows; every column for a plain filter.
    QString getFilterColumn() const override { return QString(); }
    virtual Qt::CaseSensitivity matchCaseCriteria() const { return Qt::CaseInsensitive; }
    /// Whether the filter text occurs in `text`; an empty filter matches nothing.
    virtual bool isMatch(const QString& text) const;
    /// Fills every occurrence of the filter text in `text`, drawn from `rect`'s left edge, yellow.
    /// An occurrence cut by the right edge leaves room for "..." and ends the scan.
    void highLight(const QString& text, const QRect& rect, const QFontMetrics& fm,
        QPainter* painter) const override;

    /// Empties the edit (which then filters as the user's clearing would).
    void clear();
    /// Sets the edit's text as if typed.
    void imSetFilterString(const QString& text) override;
    QString imGetFilterString() const;
    void setFont(const QFont& font);

private:
    GuiEdit* m_edit;
};
