#pragma once

#include "engine/VXGroupedRadioButton.h"
#include "messaging/QtPeer.h"

/// The radio-button group's peer: every operation becomes a message to its GuiGroupedRadioButton.
/// Engine thread.
class QtGroupedRadioButton : public QtPeer<VXGroupedRadioButton> {
public:
    explicit QtGroupedRadioButton(VXWidget* parent);

    void setWidgethighlight(bool on, int red, int green, int blue, int alpha) override;
    void insertRadioButtons(const std::vector<std::u16string>& labels) override;
    int getCurrentItem() override;
    void select(int index) override;
    void setCurrentItem(int index) override;
    void setTitle(const std::u16string& title) override;
    int getNumButtons() override;
    void setOrientHorizontal(bool horizontal) override;
    void setShowBorder(bool show) override;
};
