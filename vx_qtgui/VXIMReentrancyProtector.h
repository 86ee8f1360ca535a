#pragma once

#include "vxqtgui_export.h"

class GuiApplication;

/// GUI thread: held by handlers that spin a nested event loop, so that a wake-up arriving in
/// the nested loop is only counted and the queue is served when the outer pass resumes.
class VXQTGUI_EXPORT VXIMReentrancyProtector {
public:
    VXIMReentrancyProtector();
    ~VXIMReentrancyProtector();

    VXIMReentrancyProtector(const VXIMReentrancyProtector&) = delete;
    VXIMReentrancyProtector& operator=(const VXIMReentrancyProtector&) = delete;

private:
    GuiApplication* const m_application;
    const bool m_saved;
};
