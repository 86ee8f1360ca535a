#include "messaging/QtSplitter.h"

#include "messaging/QtWidgetPeer.h"

QtSplitter::QtSplitter(VXWidget* parent)
    : VXSplitter(parent)
{
}

QtSplitter::~QtSplitter()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

bool QtSplitter::isVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVisibleMsg) != 0;
}

void QtSplitter::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}

void QtSplitter::hide()
{
    QtWidgetPeer::post(this, HideMsg);
}
