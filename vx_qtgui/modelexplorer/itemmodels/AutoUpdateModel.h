#pragma once

#include "vxqtgui_export.h"

class ListModel;

/// Announces a layout change on construction and reports it done on destruction. GUI thread.
class VXQTGUI_EXPORT AutoUpdateModel {
public:
    explicit AutoUpdateModel(ListModel* model);
    AutoUpdateModel(const AutoUpdateModel&) = delete;
    AutoUpdateModel& operator=(const AutoUpdateModel&) = delete;
    ~AutoUpdateModel();

private:
    ListModel* m_model;
};
