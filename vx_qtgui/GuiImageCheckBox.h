#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QPixmap>
#include <QWidget>

class QLabel;

/// A disclosure arrow with a caption for a QtImageCheckBox peer; a press on the arrow flips it
/// and reports CheckBoxToggleEvent with the new state. GUI thread.
class GuiImageCheckBox : public QWidget, public GuiWidget {
    Q_OBJECT

public:
    GuiImageCheckBox(void* key, QWidget* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    bool isToggled() const { return m_toggled; }
    QLabel* arrowLabel() const { return m_arrow; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void setToggled(bool toggled);

    QLabel* m_arrow;
    QLabel* m_text;
    QPixmap m_downArrow;
    QPixmap m_rightArrow;
    bool m_toggled = false;
};
