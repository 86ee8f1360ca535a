#pragma once

#include "engine/VXSearchPanel.h"
#include "messaging/QtPeer.h"

/// Peer of VXSearchPanel: every operation becomes a message to its GuiSearchPanel. Engine
/// thread.
class QtSearchPanel : public QtPeer<VXSearchPanel> {
public:
    explicit QtSearchPanel(VXWidget* parent);

    void setSearchLabel(const std::u16string& results, const std::u16string& options,
        const std::u16string& condition, const std::u16string& warning) override;
    std::u16string getResultsText() override;
    std::u16string getOptionsText() override;
    std::u16string getConditionText() override;
    std::u16string getWarningText() override;
    bool isExpanded() override;
    bool collapse() override;
    bool expand() override;
    void clickCloseButton() override;
};
