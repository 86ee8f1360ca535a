#pragma once

#include <QObject>

/// Turns Shift+F1 on the watched widget into a context-help request for its peer and swallows
/// the key; lets everything else through. GUI thread.
class GuiCSHAccelEventFilter : public QObject {
    Q_OBJECT

public:
    /// `key` is the peer the requests are raised for; `parent` owns the filter.
    GuiCSHAccelEventFilter(void* key, QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void* m_key;
};
