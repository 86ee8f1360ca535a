#pragma once

class GuiApplication;

/// GUI thread: held by handlers that spin a nested event loop, so that a wake-up arriving in
/// the nested loop is only counted and the queue is served when the outer pass resumes.
class VXIMReentrancyProtector {
public:
    VXIMReentrancyProtector();
    ~VXIMReentrancyProtector();

    VXIMReentrancyProtector(const VXIMReentrancyProtector&) = delete;
    VXIMReentrancyProtector& operator=(const VXIMReentrancyProtector&) = delete;

private:
    GuiApplication* const m_application;
    const bool m_saved;
};
