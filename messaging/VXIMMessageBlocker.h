#pragma once

/// Engine thread: holds back the engine thread's message processing for its lifetime, then
/// wakes the engine thread so packets that arrived meanwhile are served. Guards do not nest:
/// an inner guard's end releases the hold.
class VXIMMessageBlocker {
public:
    VXIMMessageBlocker();
    ~VXIMMessageBlocker();

private:
    VXIMMessageBlocker(const VXIMMessageBlocker&) = delete;
    VXIMMessageBlocker& operator=(const VXIMMessageBlocker&) = delete;
};
