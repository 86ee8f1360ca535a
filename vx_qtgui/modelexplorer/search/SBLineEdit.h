#pragma once

#include <QLineEdit>

/// An edit of the search bar: delivers its value when editing is finished; Return moves on to
/// the next widget as Tab would. GUI thread.
class SBLineEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit SBLineEdit(QWidget* parent = nullptr);

signals:
    void leValueEntered(QWidget* widget, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void tabToNextWidget();

    // Set while Return moves the focus on: the value was delivered already.
    bool m_delivering = false;
};
