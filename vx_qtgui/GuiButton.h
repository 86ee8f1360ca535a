#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QPushButton>

/// The push button of a QtButton peer; reports clicks as ButtonPressEvent. GUI thread.
class GuiButton : public QPushButton, public GuiWidget {
    Q_OBJECT

public:
    /// The label also becomes the object name, which keeps naming the dialog's "OK" and
    /// "Apply" buttons after later relabelling.
    GuiButton(void* key, QWidget* parent, const QString& label);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    bool isApplyButton() const { return m_isApply; }

protected:
    bool focusNextPrevChild(bool next) override;

private slots:
    void clickEvent();

private:
    void setLabel(const QString& label);

    bool m_isApply = false;
    // True only while an enable message is applied to an Apply button.
    bool m_programmaticEnable = false;
};
