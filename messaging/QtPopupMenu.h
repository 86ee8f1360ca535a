#pragma once

#include "engine/VXPopupMenu.h"
#include "messaging/QtPeer.h"

/// The popup menu's peer: every operation becomes a message to its GuiPopupMenu. Engine
/// thread.
class QtPopupMenu : public QtPeer<VXPopupMenu> {
public:
    explicit QtPopupMenu(VXWidget* parent);
    ~QtPopupMenu() override;

    void addMenuItem(VXAction* action) override;
    void addSeparator() override;
    void addSubMenu(VXPopupMenu* menu, const std::u16string& title) override;
    void addSubMenu(VXPopupMenu* menu, const char* title) override;
    void addSubMenuItem(VXPopupMenu* menu, const std::u16string& name, const std::u16string& before,
        bool separator) override;
    void popup() override;
    void showNamedItem(const std::u16string& name) override;
    void hideNamedItem(const std::u16string& name) override;
};
