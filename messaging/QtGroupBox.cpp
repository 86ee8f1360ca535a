#include "messaging/QtGroupBox.h"

#include "messaging/PeerCall.h"

QtGroupBox::QtGroupBox(VXWidget* parent)
    : QtPeer<VXGroupBox>(parent)
{
}

void QtGroupBox::setTitle(const char* title)
{
    vxpeer::post(this, GRPSetTitleMsg, title);
}

void QtGroupBox::setTitle(const std::u16string& title)
{
    vxpeer::post(this, GRPSetTitleMsg, title);
}

std::string QtGroupBox::getTitle()
{
    return vxpeer::askLatin1(this, GRPGetTitleMsg);
}

void QtGroupBox::setFlat(bool flat)
{
    vxpeer::post(this, GRPSetFlatMsg, flat);
}
