#pragma once

#include "engine/VXWidget.h"
#include "vrix/VXPoint.h"
#include "vxqtgui_export.h"

#include <string>

class VXPopupMenu;
class VXText;

/// Engine-side proxy of a one-line edit field; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXEdit : public VXWidget {
public:
    explicit VXEdit(VXWidget* parent);
    ~VXEdit() override;

    /// Silent: the host hears of no change.
    virtual void setText(const char* text) { }
    virtual void setTextU(const std::u16string& text) { }
    /// As if typed: the host hears of the change (nothing when the text is unchanged).
    virtual void imSetText(const char* text) { }
    virtual void imSetTextU(const std::u16string& text) { }
    virtual std::string getText() { return {}; }
    virtual std::u16string getTextU() { return {}; }
    virtual void setPlaceholderText(const char* text) { }
    virtual std::u16string getPlaceholderText() { return {}; }
    /// Shows an inline button that empties the field while it holds text.
    virtual void setClearable(bool clearable) { }
    /// True hides the typed characters (password echo).
    virtual void setEchoMode(bool password) { }
    virtual bool getEchoMode() { return false; }
    /// While set, a context-menu request reaches the host instead of opening a menu.
    virtual void setUseCustomContextMenu(bool use) { }
    /// Opens the standard menu with the given menu's actions added, at the cursor.
    virtual void setCustomContextMenu(VXPopupMenu* menu) { }
    /// The position of the label's widget; the origin when it has none.
    virtual VRIX::VXPoint<int> imFindLabelPosition(VXText* label) { return {}; }
    virtual VRIX::VXPoint<int> imGetPosition() { return {}; }
    virtual std::u16string imGetFontFamily() { return {}; }
    virtual int imGetFontSize() { return 0; }
    virtual std::u16string imGetToolTip() { return {}; }

    virtual void setFont(const char* family, int pointSize, int bold, int italic, int underline) { }
    virtual void setForegroundColor(int red, int green, int blue) { }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    /// Red, green, blue in 0..255; false and the outputs untouched without a widget.
    virtual bool getBackgroundColor(double& red, double& green, double& blue) { return false; }
    virtual bool getForegroundColor(double& red, double& green, double& blue) { return false; }
    /// -1 in one dimension leaves that limit alone.
    virtual void setMaximumSize(int width, int height) { }
    virtual void setMinimumSize(int width, int height) { }
    /// Also selects the whole text.
    virtual void setFocus() { }
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
