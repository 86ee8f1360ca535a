#pragma once

#include <QObject>

class QWidget;

/// Swallows key presses that reach the tree while it is not visible. GUI thread.
class TreeViewEventFilter : public QObject {
    Q_OBJECT

public:
    explicit TreeViewEventFilter(QWidget* view);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* m_view;
};
