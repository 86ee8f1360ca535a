#include "messaging/QtSearchBar.h"

#include "messaging/QtIntMessage.h"
#include "messaging/QtListInt2Message.h"
#include "messaging/QtStrIntMessage.h"
#include "messaging/QtString2Message.h"

#include <list>

QtSearchBar::QtSearchBar(VXWidget* parent)
    : QtPeer<VXSearchBar>(parent)
{
}

void QtSearchBar::setLabel(const std::u16string& label)
{
    vxpeer::post(this, SBSetLabelMsg, label);
}

void QtSearchBar::addOptionsMenu(VXPopupMenu* menu)
{
    vxpeer::post(this, SBAddOptionsMenuMsg, vxpeer::Handle { menu });
}

void QtSearchBar::setSearchTypeList(const std::vector<std::u16string>& types)
{
    auto* msg = new QtListInt2Message(this, SBSetSearchTypeListMsg);
    for (const std::u16string& type : types)
        msg->addListItem(type);
    vxpeer::post(msg);
}

void QtSearchBar::setDynamicWidgets(const std::vector<std::string>& description, bool focus)
{
    auto* msg = new QtListInt2Message(this, SBSetDynamicWidgetsMsg);
    for (const std::string& entry : description)
        msg->addListItem(entry.c_str());
    msg->m_int1 = focus ? 1 : 0;
    vxpeer::post(msg);
}

void QtSearchBar::setSearchButtonText(const std::u16string& text, const std::u16string& toolTip)
{
    vxpeer::post(new QtString2Message(this, SBSetSearchButtonTextMsg, text, toolTip));
}

void QtSearchBar::setActiveSearchType(const std::u16string& type)
{
    vxpeer::post(this, SBSetActiveSearchTypeMsg, type);
}

int QtSearchBar::getNumOfWidgets()
{
    return vxpeer::ask<int>(this, SBGetNumOfWidgetsMsg);
}

namespace {
QtIntMessage* numbered(QtSearchBar* bar, VXMessageType id, int widget)
{
    auto* msg = new QtIntMessage(bar, id);
    msg->m_int = widget;
    return msg;
}
} // namespace

std::u16string QtSearchBar::getWidgetValue(int widget)
{
    return vxpeer::ask<std::u16string>(numbered(this, SBGetWidgetValueMsg, widget));
}

std::vector<std::u16string> QtSearchBar::getList(int widget)
{
    const auto items = vxpeer::ask<std::list<std::u16string>>(numbered(this, SBGetListMsg, widget));
    return { items.begin(), items.end() };
}

bool QtSearchBar::editWidget(int widget, const std::u16string& value)
{
    return vxpeer::send(new QtStrIntMessage(this, SBEditWidgetMsg, value, widget)) != 0;
}

bool QtSearchBar::isSearchButtonEnabled()
{
    return vxpeer::ask<bool>(this, SBIsSearchButtonEnabled);
}

void QtSearchBar::pressSearchButton()
{
    vxpeer::send(this, SBPressSearchButtonMsg);
}
