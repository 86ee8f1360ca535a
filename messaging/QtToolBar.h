#pragma once

#include "engine/VXToolBar.h"
#include "vxqtgui_export.h"

/// The tool bar's peer: every operation becomes a message to its GuiToolBar. Engine thread.
class VXQTGUI_EXPORT QtToolBar : public VXToolBar {
public:
    explicit QtToolBar(VXWidget* parent);
    ~QtToolBar() override;

    void addAction(VXAction* action) override;
    void addWidget(VXObject* widget) override;
    void addSeparator() override;
    void setLabel(const std::u16string& label) override;
    void setButtonStyle(const char* style) override;
    void show() override;
    void hide() override;
};
