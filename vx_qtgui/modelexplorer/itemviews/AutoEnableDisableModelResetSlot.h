#pragma once

class GuiTreeView;

/// For its lifetime the model's reset does not reach the tree's reset handling. GUI thread.
class AutoEnableDisableModelResetSlot {
public:
    explicit AutoEnableDisableModelResetSlot(GuiTreeView* view);
    AutoEnableDisableModelResetSlot(const AutoEnableDisableModelResetSlot&) = delete;
    AutoEnableDisableModelResetSlot& operator=(const AutoEnableDisableModelResetSlot&) = delete;
    ~AutoEnableDisableModelResetSlot();

private:
    GuiTreeView* m_view;
};
