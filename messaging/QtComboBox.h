#pragma once

#include "engine/VXComboBox.h"
#include "messaging/QtPeer.h"

/// The combo box's peer: every operation becomes a message to its GuiComboBox. Engine thread.
class QtComboBox : public QtPeer<VXComboBox> {
public:
    explicit QtComboBox(VXWidget* parent);

    void insertItem(const std::u16string& text, int index) override;
    void insertItem(const char* text, int index) override;
    void insertItems(const std::vector<std::string>& texts, int index = -1) override;
    void insertItems(const std::vector<std::u16string>& texts, int index = -1) override;
    void removeItem(int index) override;
    void removeAllItems() override;
    void setCurrentItem(int index) override;
    int getCurrentItem() override;
    void setCurrentText(const char* text) override;
    void setCurrentText(const std::u16string& text) override;
    std::string getCurrentText() override;
    std::u16string getCurrentTextU() override;
    void setEditable(bool editable) override;
    bool isEditable() override;
    void setMaxVisibleItems(int count) override;
    int getMaxVisibleItems() override;
    void setCaseSensitive(bool sensitive) override;
    bool isCaseSensitive() override;
    void imSelect(int index) override;
    void imSelectByString(const char* text) override;
    void imSelectByString(const std::u16string& text) override;
    void imGetAllItems(std::vector<std::string>& texts) override;
    void imGetAllItems(std::vector<std::u16string>& texts) override;
    VRIX::VXPoint<int> imGetPosition() override;
    VRIX::VXPoint<int> imFindLabelPosition(VXText* label) override;

    void setWidgethighlight(bool on, int red, int green, int blue, int alpha) override;
};
