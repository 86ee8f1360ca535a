#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of a tab page; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXTab : public VXWidget {
public:
    explicit VXTab(VXWidget* parent);
    ~VXTab() override;

    /// The page's caption in its tab bar.
    virtual void setName(const char* name) { }
    virtual void setName(const std::u16string& name) { }
    virtual std::u16string getName() { return {}; }
    virtual void setBackgroundColor(int red, int green, int blue) { }
    /// Enables or disables the page and its tab.
    virtual bool isEnabled() { return false; }
    virtual bool isVisible() { return false; }
};
