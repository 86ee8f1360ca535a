#pragma once

#include "engine/VXWidget.h"
#include "vxqtgui_export.h"

#include <string>

class VXAction;

/// Engine-side proxy of a tool bar; the peer implements its operations. Engine thread.
class VXQTGUI_EXPORT VXToolBar : public VXWidget {
public:
    explicit VXToolBar(VXWidget* parent);
    ~VXToolBar() override;

    /// Adds the action's button; an action without a widget adds nothing.
    virtual void addAction(VXAction* action) { }
    /// Adds the widget registered under the object's id; an unknown one adds nothing.
    virtual void addWidget(VXObject* widget) { }
    virtual void addSeparator() { }
    /// The bar's window title.
    virtual void setLabel(const std::u16string& label) { }
    /// "textonly", "textbesideicon" or "textundericon", in any case; others change nothing.
    virtual void setButtonStyle(const char* style) { }
};
