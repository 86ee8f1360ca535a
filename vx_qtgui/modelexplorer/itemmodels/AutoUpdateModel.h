#pragma once

class ListModel;

/// Announces a layout change on construction and reports it done on destruction. GUI thread.
class AutoUpdateModel {
public:
    explicit AutoUpdateModel(ListModel* model);
    AutoUpdateModel(const AutoUpdateModel&) = delete;
    AutoUpdateModel& operator=(const AutoUpdateModel&) = delete;
    ~AutoUpdateModel();

private:
    ListModel* m_model;
};
