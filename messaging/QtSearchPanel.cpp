#include "messaging/QtSearchPanel.h"

#include "messaging/QtString4Message.h"

QtSearchPanel::QtSearchPanel(VXWidget* parent)
    : QtPeer<VXSearchPanel>(parent)
{
}

void QtSearchPanel::setSearchLabel(const std::u16string& results, const std::u16string& options,
    const std::u16string& condition, const std::u16string& warning)
{
    vxpeer::post(
        new QtString4Message(this, SPSetSearchLabelMsg, results, options, condition, warning));
}

std::u16string QtSearchPanel::getResultsText()
{
    return vxpeer::ask<std::u16string>(this, SPGetResultsTextMsg);
}

std::u16string QtSearchPanel::getOptionsText()
{
    return vxpeer::ask<std::u16string>(this, SPGetOptionsTextMsg);
}

std::u16string QtSearchPanel::getConditionText()
{
    return vxpeer::ask<std::u16string>(this, SPGetConditionTextMsg);
}

std::u16string QtSearchPanel::getWarningText()
{
    return vxpeer::ask<std::u16string>(this, SPGetWarningTextMsg);
}

bool QtSearchPanel::isExpanded()
{
    return vxpeer::ask<bool>(this, SPIsExpandedMsg);
}

bool QtSearchPanel::collapse()
{
    return vxpeer::ask<bool>(this, SPCollapseMsg);
}

bool QtSearchPanel::expand()
{
    return vxpeer::ask<bool>(this, SPExpandMsg);
}

void QtSearchPanel::clickCloseButton()
{
    vxpeer::post(this, SPClickCloseButtonMsg);
}
