#include "vx_qtgui/modelexplorer/GuiObjectSelectionDialog.h"

#include "vrix/DpiScaling.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

GuiObjectSelectionDialog::GuiObjectSelectionDialog(
    const Texts& texts, const QStringList& types, bool editable, QWidget* parent)
    : QDialog(parent)
    , m_names(new QLineEdit(QStringLiteral("Obj"), this))
    , m_types(new QComboBox(this))
{
    setWindowTitle(texts.title);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(
        VRIX::toDpiScaled(10), VRIX::toDpiScaled(10), VRIX::toDpiScaled(10), VRIX::toDpiScaled(10));
    outer->setSpacing(VRIX::toDpiScaled(10));

    auto* grid = new QGridLayout();
    grid->setSpacing(6);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 3);
    grid->addWidget(new QLabel(texts.nameLabel, this), 0, 0);
    grid->addWidget(m_names, 0, 1);
    grid->addWidget(new QLabel(texts.typeLabel, this), 1, 0);
    grid->addWidget(m_types, 1, 1);
    m_types->addItems(types);
    m_types->setEditable(editable);
    if (!editable)
        m_types->setMaximumHeight(m_types->sizeHint().height());
    m_types->setMinimumWidth(VRIX::toDpiScaled(200));
    outer->addLayout(grid);

    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(10);
    buttons->addStretch();
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setDefault(true);
    auto* cancel = new QPushButton(texts.cancel, this);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    outer->addLayout(buttons);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString GuiObjectSelectionDialog::namesText() const
{
    return m_names->text();
}

QString GuiObjectSelectionDialog::typeText() const
{
    return m_types->currentText();
}
