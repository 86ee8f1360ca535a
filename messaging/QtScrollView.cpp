#include "messaging/QtScrollView.h"

#include "messaging/QtContainerPeer.h"
#include "messaging/QtWidgetPeer.h"

QtScrollView::QtScrollView(VXWidget* parent)
    : VXScrollView(parent)
{
}

QtScrollView::~QtScrollView()
{
    disconnect();
    QtWidgetPeer::destroy(this);
}

void QtScrollView::addWidget(VXWidget* content)
{
    QtContainerPeer::postHandle(this, SVAddWidgetMsg, content);
}

bool QtScrollView::isVScrollBarVisible()
{
    return QtWidgetPeer::sendForResult(this, IsVScrollBarVisibleMsg) != 0;
}

bool QtScrollView::isHScrollBarVisible()
{
    return QtWidgetPeer::sendForResult(this, IsHScrollBarVisibleMsg) != 0;
}

void QtScrollView::show()
{
    QtWidgetPeer::post(this, ShowMsg);
}
