#pragma once

#include <QDialog>

class GuiModelExplorer;
class QCheckBox;
class QtBoolInt2Message;

/// Asks whether the unapplied changes of the current property dialog are applied before the
/// selection moves on; writes the answer into the reply (1 or 0, then the check box). GUI
/// thread; `runAction` may be called from another thread and hops to this one.
class GuiMESelectionChangedDialog : public QDialog {
    Q_OBJECT

public:
    GuiMESelectionChangedDialog(
        GuiModelExplorer* explorer, QtBoolInt2Message* reply, bool hideCheckBox);

    /// "Apply" applies and answers true; any other text ignores and answers true only for
    /// "Ignore".
    bool runAction(const char* action);

    QCheckBox* checkBox() const { return m_checkBox; }

signals:
    void applied();
    void ignored();

public slots:
    void clickedApply();
    void clickedIgnore();

private:
    GuiModelExplorer* m_explorer;
    QtBoolInt2Message* m_reply;
    QCheckBox* m_checkBox;
};
