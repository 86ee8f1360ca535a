#pragma once

#include <QObject>

class QAbstractScrollArea;

/// Installed by an explorer view on itself: a mouse press that reaches the view widget instead
/// of its viewport (on the frame, between header and rows) is handed to the viewport in its
/// coordinates, so selection and drag arming see every press. GUI thread.
class ListEventFilter : public QObject {
    Q_OBJECT

public:
    explicit ListEventFilter(QAbstractScrollArea* view);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractScrollArea* m_view;
};
