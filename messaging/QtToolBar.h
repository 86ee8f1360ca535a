#pragma once

#include "engine/VXToolBar.h"
#include "messaging/QtPeer.h"

/// The tool bar's peer: every operation becomes a message to its GuiToolBar. Engine thread.
class QtToolBar : public QtPeer<VXToolBar> {
public:
    explicit QtToolBar(VXWidget* parent);

    void addAction(VXAction* action) override;
    void addWidget(VXObject* widget) override;
    void addSeparator() override;
    void setLabel(const std::u16string& label) override;
    void setButtonStyle(const char* style) override;
};
