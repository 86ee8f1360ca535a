#pragma once

#include <QPointer>
#include <QValidator>

class QComboBox;

/// Lets a combo box take only its own items, compared in lower case: an item's text is
/// acceptable, the start of one is intermediate, anything else is invalid. GUI thread.
class SBComboBoxValidator : public QValidator {
    Q_OBJECT

public:
    explicit SBComboBoxValidator(QComboBox* box);

    State validate(QString& text, int& pos) const override;
    /// The first item that starts with the text, or the first item when none does.
    void fixup(QString& text) const override;

private:
    QPointer<QComboBox> m_box;
};
