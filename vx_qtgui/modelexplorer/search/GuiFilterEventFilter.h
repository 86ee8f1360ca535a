#pragma once

#include <QObject>

class QLineEdit;

/// Installed on a filter edit: Escape empties it and gives up the focus; the key goes no
/// further. GUI thread.
class GuiFilterEventFilter : public QObject {
    Q_OBJECT

public:
    explicit GuiFilterEventFilter(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_edit;
};
