#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

/// Engine-side proxy of the explorer's search panel: what was searched and what was found. The
/// peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXSearchPanel : public VXWidget {
public:
    explicit VXSearchPanel(VXWidget* parent);
    ~VXSearchPanel() override;

    /// The condition and the warning share one label; the warning shows when it is not empty.
    virtual void setSearchLabel(const std::u16string& results, const std::u16string& options,
        const std::u16string& condition, const std::u16string& warning)
    {
    }
    virtual std::u16string getResultsText() { return {}; }
    virtual std::u16string getOptionsText() { return {}; }
    virtual std::u16string getConditionText() { return {}; }
    virtual std::u16string getWarningText() { return {}; }
    virtual bool isExpanded() { return false; }
    virtual bool collapse() { return false; }
    virtual bool expand() { return false; }
    virtual void clickCloseButton() { }
    virtual bool isVisible() { return false; }
    virtual bool isEnabled() { return false; }
};
