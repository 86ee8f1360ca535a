#include "messaging/QtGroupedRadioButton.h"

#include "messaging/PeerCall.h"
#include "messaging/QtBridge.h"
#include "messaging/QtListInt2Message.h"

QtGroupedRadioButton::QtGroupedRadioButton(VXWidget* parent)
    : QtPeer<VXGroupedRadioButton>(parent)
{
}

void QtGroupedRadioButton::setWidgethighlight(bool on, int red, int green, int blue, int alpha)
{
    p_setWidgethighlight(on, red, green, blue, alpha);
}

void QtGroupedRadioButton::insertRadioButtons(const std::vector<std::u16string>& labels)
{
    auto* message = new QtListInt2Message(this, GRBInsertRadioButtonsMsg);
    for (const std::u16string& label : labels)
        message->addListItem(label);
    vxpeer::post(message);
}

int QtGroupedRadioButton::getCurrentItem()
{
    // 0 without a widget is what every getter answers then.
    return vxpeer::ask<int>(this, GRBGetCurrentItemMsg);
}

void QtGroupedRadioButton::select(int index)
{
    vxpeer::post(this, GRBSelectMsg, index);
}

void QtGroupedRadioButton::setCurrentItem(int index)
{
    vxpeer::post(this, GRBSetCurrentItemMsg, index);
}

void QtGroupedRadioButton::setTitle(const std::u16string& title)
{
    vxpeer::post(this, GRBSetTitleMsg, title);
}

int QtGroupedRadioButton::getNumButtons()
{
    return vxpeer::ask<int>(this, GRBGetNumButtonsMsg);
}

void QtGroupedRadioButton::setOrientHorizontal(bool horizontal)
{
    vxpeer::post(this, GRBSetOrientHorizontalMsg, horizontal);
}

void QtGroupedRadioButton::setShowBorder(bool show)
{
    vxpeer::post(this, GRBSetShowBorderMsg, show);
}
