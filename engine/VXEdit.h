#pragma once

#include "engine/VXWidget.h"
#include "vrix/VXPoint.h"
#include "vxqtgui_export.h"

#include <list>
#include <string>
#include <vector>

class VXMEObjectData;
class VXPopupMenu;
class VXUStringList;
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

    // Completion over explorer records. Without a completer every other call does nothing.
    /// Creates (true) or drops (false) the record-aware completer.
    virtual void enableAutoComplete(bool enable) { }
    /// Replaces the visible suggestions by plain strings; takes the list.
    virtual void setAutoCompleteView(VXUStringList* list) { }
    /// Refills the suggestions from records (taken, freed on the GUI side in every case) for
    /// `prefix` and opens the popup. A record without an object heads the list: its values are
    /// the column titles. `refresh` lets later typing refresh the completion.
    virtual void setAutoCompleteData(
        std::list<VXMEObjectData*>* records, const std::u16string& prefix, bool refresh)
    {
    }
    /// 1 contains, 2 ends with, anything else starts with.
    virtual void setAutoCompleteMatchOption(int option) { }
    /// 1 unfiltered popup, 2 inline, anything else a filtered popup.
    virtual void setAutoCompleteCompletionMode(int mode) { }
    /// Appends the suggestions shown, each a new object the caller owns: an `int*` row count, an
    /// `int*` column count, the column titles and then the rows' texts as `char16_t*` copies
    /// (VXBridge::copyStringFromGUI). Answers the number of rows written.
    virtual int fillVectorWithAutoCompleteText(std::vector<void*>* out) { return 0; }

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
