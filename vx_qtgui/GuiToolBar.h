#pragma once

#include "vx_qtgui/GuiWidget.h"

#include <QToolBar>

class QMainWindow;

/// The tool bar of a QtToolBar peer, docked in its main window when it has one; reports
/// visibility changes that the host did not ask for. GUI thread.
class GuiToolBar : public QToolBar, public GuiWidget {
    Q_OBJECT

public:
    GuiToolBar(void* key, QMainWindow* parent);

    void vxMessageNotify(VXMessageType type, QtMessage* msg) override;

    /// "textonly", "textbesideicon", "textundericon" in any case; false for other names.
    bool setButtonStyle(const QString& name);

private slots:
    void slotVisibilityChanged(bool visible);

private:
    // Set while a host message is applied: its changes are not the user's.
    bool m_suppressEvents = false;
};
