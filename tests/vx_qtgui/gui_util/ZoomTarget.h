#pragma once

#include <QWidget>

/// A widget with zoom slots that counts how often each runs. GUI thread.
class ZoomTarget : public QWidget {
    Q_OBJECT
public:
    int zoomedIn = 0;
    int zoomedOut = 0;

public slots:
    void increaseFontSize() { ++zoomedIn; }
    void decreaseFontSize() { ++zoomedOut; }
};
