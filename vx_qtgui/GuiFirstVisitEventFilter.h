#pragma once

#include <QObject>

/// Makes the first click into a freshly focused line edit select its whole text instead of
/// placing the cursor. GUI thread.
class GuiFirstVisitEventFilter : public QObject {
    Q_OBJECT

public:
    explicit GuiFirstVisitEventFilter(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_justFocused = false;
};
