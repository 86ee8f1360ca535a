#pragma once

class GuiListView;

/// For its lifetime: section resizes detached from the stored widths, in the view and its freeze
/// view, so programmatic sizes are not taken for the user's. GUI thread.
class AutoEnableDisableHeaderResize {
public:
    explicit AutoEnableDisableHeaderResize(GuiListView* view);
    AutoEnableDisableHeaderResize(const AutoEnableDisableHeaderResize&) = delete;
    AutoEnableDisableHeaderResize& operator=(const AutoEnableDisableHeaderResize&) = delete;
    ~AutoEnableDisableHeaderResize();

private:
    GuiListView* m_view;
    bool m_wasConnected;
};
