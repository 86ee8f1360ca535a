#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>
#include <vector>

class VXPopupMenu;

/// Engine-side proxy of the explorer's search bar: a search type, the host-described parameter
/// widgets, an options menu and the search button. The peer implements its operations. Widget
/// numbers: 1 is the search-type box, 2 and on count the parameter edits and boxes in bar order.
/// Engine thread.
class VXQTGUI_EXPORT VXSearchBar : public VXWidget {
public:
    explicit VXSearchBar(VXWidget* parent);
    ~VXSearchBar() override;

    /// The bar's title.
    virtual void setLabel(const std::u16string& label) { }
    /// The options button's menu; choosing in it enables the search button.
    virtual void addOptionsMenu(VXPopupMenu* menu) { }
    virtual void setSearchTypeList(const std::vector<std::u16string>& types) { }
    /// (kind, value) pairs: "Label", "IntEdit", "FloatEdit", "StringEdit", "Combo" or "DropDown"
    /// (items separated by "\r"). The same kinds again only update the values.
    virtual void setDynamicWidgets(const std::vector<std::string>& description, bool focus) { }
    virtual void setSearchButtonText(const std::u16string& text, const std::u16string& toolTip) { }
    virtual void setActiveSearchType(const std::u16string& type) { }
    virtual int getNumOfWidgets() { return 0; }
    virtual std::u16string getWidgetValue(int widget) { return {}; }
    /// The items of a combo box widget; empty for an edit or an unknown number.
    virtual std::vector<std::u16string> getList(int widget) { return {}; }
    /// Enters `value` as the user would; false for an unknown number.
    virtual bool editWidget(int widget, const std::u16string& value) { return false; }
    virtual bool isSearchButtonEnabled() { return false; }
    virtual void pressSearchButton() { }
    virtual bool isVisible() { return false; }
    virtual bool isEnabled() { return false; }
};
