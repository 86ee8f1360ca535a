#pragma once

#include "engine/VXGroupBox.h"
#include "messaging/QtPeer.h"

/// The group box's peer: every operation becomes a message to its GuiGroupBox. Engine thread.
class QtGroupBox : public QtPeer<VXGroupBox> {
public:
    explicit QtGroupBox(VXWidget* parent);

    void setTitle(const char* title) override;
    void setTitle(const std::u16string& title) override;
    std::string getTitle() override;
    void setFlat(bool flat) override;
};
