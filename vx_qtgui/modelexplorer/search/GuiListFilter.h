#pragma once

#include "vx_qtgui/modelexplorer/itemmodels/ListProxyModel.h"
#include "vx_qtgui/modelexplorer/search/GuiFilter.h"

#include <QPointer>

/// The filter edit above a list: narrows the rows of a `ListProxyModel` to those containing the
/// text, in every column or in one named column ("Name:abc"), literally and case-sensitively
/// when the text is enclosed in double quotes. Typing filters once, 200 ms after the last key;
/// clearing filters at once. GUI thread.
class GuiListFilter : public GuiFilter {
    Q_OBJECT

public:
    GuiListFilter(GuiEdit* edit, ListProxyModel* proxy, QObject* parent = nullptr);
    ~GuiListFilter() override;

    static int m_FilterTimerDelay;

    ListProxyModel* proxy() const { return m_proxy; }

    /// The column the text names ("Name" of "Name:abc"); empty for all columns.
    QString getFilterColumn() const override;
    /// The model section of that column; -1 for all columns.
    virtual int getFilterColumnIndex() const;
    QString getFilterString() const override;
    Qt::CaseSensitivity matchCaseCriteria() const override;
    static bool isDoubleQuotedString(const QString& text);

    /// Tells the proxy now (what the timer does when it fires).
    void applyFilter();

public slots:
    void onTextChanged();

signals:
    void filterChanged(const QString& text);

protected:
    void timerEvent(QTimerEvent* event) override;
    virtual QString rawText() const;

private:
    // The column part and value of a "column:value" text; false when the text is not one.
    bool splitColumn(QString* column, QString* value) const;

    QPointer<ListProxyModel> m_proxy;
    int m_timerId = -1;
};
