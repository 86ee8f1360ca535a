#include "vx_qtgui/modelexplorer/GuiMESelectionChangedDialog.h"

#include "messaging/QtBoolInt2Message.h"
#include "vrix/DpiScaling.h"
#include "vx_qtgui/modelexplorer/GuiModelExplorer.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstring>

GuiMESelectionChangedDialog::GuiMESelectionChangedDialog(
    GuiModelExplorer* explorer, QtBoolInt2Message* reply, bool hideCheckBox)
    : QDialog(explorer)
    , m_explorer(explorer)
    , m_reply(reply)
    , m_checkBox(new QCheckBox(GuiModelExplorer::xlate_ME(9), this))
{
    setWindowTitle((explorer ? explorer->windowTitle() : QString()) + QStringLiteral(" - ")
        + GuiModelExplorer::xlate_ME(7));
    if (explorer)
        setWindowIcon(explorer->windowIcon());
    auto* outer = new QVBoxLayout(this);
    const int margin = VRIX::toDpiScaled(10);
    outer->setContentsMargins(margin, margin, margin, margin);
    outer->setSpacing(margin);
    auto* grid = new QGridLayout();
    grid->setSpacing(6);
    grid->setColumnStretch(0, 1);
    auto* text = new QLabel(GuiModelExplorer::xlate_ME(8), this);
    text->setWordWrap(true);
    grid->addWidget(text, 0, 0);
    grid->addWidget(m_checkBox, 1, 0);
    m_checkBox->setVisible(!hideCheckBox);
    outer->addLayout(grid);
    auto* buttons = new QHBoxLayout();
    buttons->setSpacing(10);
    buttons->addStretch();
    auto* apply = new QPushButton(GuiModelExplorer::xlate_ME(10), this);
    apply->setObjectName(QStringLiteral("Apply"));
    apply->setDefault(true);
    auto* ignore = new QPushButton(GuiModelExplorer::xlate_ME(11), this);
    ignore->setObjectName(QStringLiteral("Ignore"));
    buttons->addWidget(apply);
    buttons->addWidget(ignore);
    outer->addLayout(buttons);
    connect(apply, &QPushButton::clicked, this, &GuiMESelectionChangedDialog::clickedApply);
    connect(ignore, &QPushButton::clicked, this, &GuiMESelectionChangedDialog::clickedIgnore);
    // Queued: runAction emits these from the auto-answer thread.
    connect(this, &GuiMESelectionChangedDialog::applied, this,
        &GuiMESelectionChangedDialog::clickedApply, Qt::QueuedConnection);
    connect(this, &GuiMESelectionChangedDialog::ignored, this,
        &GuiMESelectionChangedDialog::clickedIgnore, Qt::QueuedConnection);
}

bool GuiMESelectionChangedDialog::runAction(const char* action)
{
    const char* text = action ? action : "";
    if (std::strcmp(text, "Apply") == 0) {
        emit applied();
        return true;
    }
    emit ignored();
    return std::strcmp(text, "Ignore") == 0;
}

void GuiMESelectionChangedDialog::clickedApply()
{
    if (!m_explorer || !m_explorer->isCurrentDialogVisible()) {
        reject();
        return;
    }
    if (m_reply) {
        m_reply->m_int1 = 1;
        m_reply->m_int2 = m_checkBox->isChecked() ? 1 : 0;
    }
    accept();
}

void GuiMESelectionChangedDialog::clickedIgnore()
{
    if (!m_explorer || !m_explorer->isCurrentDialogVisible()
        || !m_explorer->isCurrentDialogDirty()) {
        reject();
        return;
    }
    if (m_reply) {
        m_reply->m_int1 = 0;
        m_reply->m_int2 = m_checkBox->isChecked() ? 1 : 0;
    }
    accept();
}
