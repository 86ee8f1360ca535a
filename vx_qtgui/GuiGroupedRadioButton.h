#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QGroupBox>

class QBoxLayout;
class QButtonGroup;

/// A titled group of radio buttons of a QtGroupedRadioButton peer, numbered from 0 in insertion
/// order; reports clicks as GRBClickedEvent with the button's id. GUI thread.
class GuiGroupedRadioButton : public QGroupBox, public GuiWidget {
    Q_OBJECT

public:
    /// `count` is the host's hint only; buttons come with GRBInsertRadioButtonsMsg.
    GuiGroupedRadioButton(void* key, QWidget* parent, int count);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private slots:
    void buttonClickedEvent(int id);

private:
    void applyColour(VXMessageType type, QtMessage* msg);

    QBoxLayout* m_layout;
    QButtonGroup* m_group;
    int m_nextId = 0;
};
