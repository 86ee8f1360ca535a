#pragma once

#include <QProgressBar>

/// The thin busy indicator under the explorer's list (and the spreadsheet): painted only while
/// running. GUI thread.
class ODProgressBar : public QProgressBar {
    Q_OBJECT

public:
    explicit ODProgressBar(QWidget* parent = nullptr);

    void Start();
    void Stop();
    bool isRunning() const { return m_running; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_running = false;
};
