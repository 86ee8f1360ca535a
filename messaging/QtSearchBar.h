#pragma once

#include "engine/VXSearchBar.h"
#include "messaging/QtPeer.h"

/// Peer of VXSearchBar: every operation becomes a message to its GuiSearchBar. Engine thread.
class QtSearchBar : public QtPeer<VXSearchBar> {
public:
    explicit QtSearchBar(VXWidget* parent);

    void setLabel(const std::u16string& label) override;
    void addOptionsMenu(VXPopupMenu* menu) override;
    void setSearchTypeList(const std::vector<std::u16string>& types) override;
    void setDynamicWidgets(const std::vector<std::string>& description, bool focus) override;
    void setSearchButtonText(const std::u16string& text, const std::u16string& toolTip) override;
    void setActiveSearchType(const std::u16string& type) override;
    int getNumOfWidgets() override;
    std::u16string getWidgetValue(int widget) override;
    std::vector<std::u16string> getList(int widget) override;
    bool editWidget(int widget, const std::u16string& value) override;
    bool isSearchButtonEnabled() override;
    void pressSearchButton() override;
};
