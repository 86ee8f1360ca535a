#pragma once

#include "engine/VXWidget.h"
#include "vrix/VXPoint.h"
#include "vxqtgui_export.h"

#include <string>
#include <vector>

class VXText;

/// Engine-side proxy of a combo box; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXComboBox : public VXWidget {
public:
    explicit VXComboBox(VXWidget* parent);
    ~VXComboBox() override;

    /// Silent; a negative index appends.
    virtual void insertItem(const std::u16string& text, int index) { }
    virtual void insertItem(const char* text, int index) { }
    virtual void insertItems(const std::vector<std::string>& texts, int index = -1) { }
    virtual void insertItems(const std::vector<std::u16string>& texts, int index = -1) { }
    virtual void removeItem(int index) { }
    virtual void removeAllItems() { }
    /// Silent selection.
    virtual void setCurrentItem(int index) { }
    /// The current index, -1 when none.
    virtual int getCurrentItem() { return -1; }
    /// Silently selects the item with exactly this text (none when no item has it) and puts the
    /// text in an editable box's field.
    virtual void setCurrentText(const char* text) { }
    virtual void setCurrentText(const std::u16string& text) { }
    virtual std::string getCurrentText() { return {}; }
    virtual std::u16string getCurrentTextU() { return {}; }
    virtual void setEditable(bool editable) { }
    virtual bool isEditable() { return false; }
    virtual void setMaxVisibleItems(int count) { }
    virtual int getMaxVisibleItems() { return 0; }
    /// Case sensitivity of an editable box's completion; no effect without completion.
    virtual void setCaseSensitive(bool sensitive) { }
    virtual bool isCaseSensitive() { return false; }
    /// Selects as the user would: the host hears of the selection. Negative does nothing.
    virtual void imSelect(int index) { }
    /// Selects or types the text as the user would, then leaves the field.
    virtual void imSelectByString(const char* text) { }
    virtual void imSelectByString(const std::u16string& text) { }
    virtual void imGetAllItems(std::vector<std::string>& texts) { }
    virtual void imGetAllItems(std::vector<std::u16string>& texts) { }
    virtual VRIX::VXPoint<int> imGetPosition() { return {}; }
    /// The position of the label's widget.
    virtual VRIX::VXPoint<int> imFindLabelPosition(VXText* label) { return {}; }
    virtual std::u16string imGetToolTip() { return {}; }

    virtual void setRect(int x, int y, int width, int height) { }
    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setForegroundColor(int red, int green, int blue) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }

protected:
    // State of the combo-box peer, false until it says otherwise.
    bool m_flag = false;
};
