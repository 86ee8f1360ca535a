#pragma once

#include <QDialog>
#include <QStringList>

class QComboBox;
class QLineEdit;

/// The explorer's object-creation dialog: names to give and the type to create. GUI thread.
class GuiObjectSelectionDialog : public QDialog {
    Q_OBJECT

public:
    struct Texts {
        QString title, nameLabel, typeLabel, cancel;
    };

    GuiObjectSelectionDialog(
        const Texts& texts, const QStringList& types, bool editable, QWidget* parent);

    QString namesText() const;
    QString typeText() const;
    QLineEdit* nameEdit() const { return m_names; }
    QComboBox* typeBox() const { return m_types; }

private:
    QLineEdit* m_names;
    QComboBox* m_types;
};
