#include "messaging/QtImage.h"

#include "messaging/PeerCall.h"

QtImage::QtImage(VXWidget* parent)
    : QtPeer<VXImage>(parent)
{
}

void QtImage::setFilePath(const char* path)
{
    vxpeer::post(this, IMGSetFilePathMsg, path);
}

void QtImage::imClick()
{
    vxpeer::post(this, IMGClickMsg);
}
