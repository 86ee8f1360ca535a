#include "messaging/QtSplitter.h"

#include "messaging/PeerCall.h"

QtSplitter::QtSplitter(VXWidget* parent)
    : QtPeer<VXSplitter>(parent)
{
}
