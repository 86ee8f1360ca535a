#pragma once

class GuiTreeView;

/// For its lifetime the tree's expanded and collapsed signals reach (`enable`) or do not reach
/// its handlers; the other state comes back on destruction. GUI thread.
class AutoEnableDisableExpandCollapse {
public:
    AutoEnableDisableExpandCollapse(GuiTreeView* view, bool enable);
    AutoEnableDisableExpandCollapse(const AutoEnableDisableExpandCollapse&) = delete;
    AutoEnableDisableExpandCollapse& operator=(const AutoEnableDisableExpandCollapse&) = delete;
    ~AutoEnableDisableExpandCollapse();

    void enable();
    void disable();

private:
    GuiTreeView* m_view;
    bool m_restore;
};
