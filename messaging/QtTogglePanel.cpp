#include "messaging/QtTogglePanel.h"

#include "messaging/PeerCall.h"

QtTogglePanel::QtTogglePanel(VXWidget* parent)
    : QtPeer<VXTogglePanel>(parent)
{
}
