#pragma once

#include <QComboBox>

/// A combo box of the search bar: editable and completing, typed texts are not added as items.
/// Choosing an item, Return or Enter, and losing the focus (except to its own popup) deliver its
/// value; Up and Down open the popup. GUI thread.
class SBComboBox : public QComboBox {
    Q_OBJECT

public:
    explicit SBComboBox(QWidget* parent = nullptr);

signals:
    void cbValueEntered(QWidget* widget, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void deliver();
};
