#include "messaging/QtPanel.h"

#include "messaging/PeerCall.h"

QtPanel::QtPanel() = default;

QtPanel::QtPanel(VXWidget* parent)
    : QtPeer<VXPanel>(parent)
{
}

void QtPanel::setShowGrid(bool show)
{
    vxpeer::post(this, ShowGridMsg, show);
}

void QtPanel::refreshSize()
{
    vxpeer::post(this, PNLRefreshSizeMsg);
}
