#include "messaging/QtPopupMenu.h"

#include "engine/HostFunctions.h"
#include "messaging/PeerCall.h"
#include "messaging/QtAddSubmenuMessage.h"
#include "messaging/QtBridge.h"
#include "messaging/QtHandleMessage.h"

QtPopupMenu::QtPopupMenu(VXWidget* parent)
    : QtPeer<VXPopupMenu>(parent)
{
}

QtPopupMenu::~QtPopupMenu()
{
    disconnect();
    deleteChildren();
    // Sent, not posted: the GUI menu fires this proxy's about-to-show emitter, so it must be
    // gone before the emitters are.
    vxpeer::send(this, DestroyWidgetMsg);
    m_widgetDestroyed = true;
}

void QtPopupMenu::addMenuItem(VXAction* action)
{
    // The GUI side looks the handle up; a stale or foreign one finds nothing.
    vxpeer::post(new QtHandleMessage(this, POPAddMenuItemMsg, static_cast<void*>(action)));
}

void QtPopupMenu::addSeparator()
{
    vxpeer::post(this, POPAddSeparatorMsg);
}

void QtPopupMenu::addSubMenu(VXPopupMenu* menu, const std::u16string& title)
{
    vxpeer::post(new QtAddSubmenuMessage(
        this, POPAddSubMenuMsg, static_cast<void*>(menu), title, u"", false));
}

void QtPopupMenu::addSubMenu(VXPopupMenu* menu, const char* title)
{
    addSubMenu(menu, fl::i18n::to_ustring(title ? title : ""));
}

void QtPopupMenu::addSubMenuItem(
    VXPopupMenu* menu, const std::u16string& name, const std::u16string& before, bool separator)
{
    vxpeer::post(new QtAddSubmenuMessage(
        this, POPAddSubMenuItemMsg, static_cast<void*>(menu), name, before, separator));
}

void QtPopupMenu::popup()
{
    vxpeer::post(this, POPPopupMsg);
}

void QtPopupMenu::showNamedItem(const std::u16string& name)
{
    vxpeer::post(this, POPShowNamedItemMsg, name);
}

void QtPopupMenu::hideNamedItem(const std::u16string& name)
{
    vxpeer::post(this, POPHideNamedItemMsg, name);
}
