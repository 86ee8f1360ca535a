#pragma once

class GuiListView;

/// For its lifetime: the headers' sort-indicator changes detached from the sort request, in the
/// view and its freeze view, so a programmatic re-sort sends no event. GUI thread.
class AutoEnableDisableSort {
public:
    explicit AutoEnableDisableSort(GuiListView* view);
    AutoEnableDisableSort(const AutoEnableDisableSort&) = delete;
    AutoEnableDisableSort& operator=(const AutoEnableDisableSort&) = delete;
    ~AutoEnableDisableSort();

private:
    GuiListView* m_view;
    bool m_wasConnected;
};
