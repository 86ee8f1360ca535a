#pragma once

class VXWidget;

/// What the base proxy needs of the message path for the few messages it makes itself (the
/// highlight). The message layer installs one at load; without one, posts are dropped and
/// queries answer false. Engine thread.
class VXMessagePort {
public:
    virtual ~VXMessagePort() = default;

    virtual void postHighlight(VXWidget* target, bool on, int a, int b, int c, int d) = 0;
    virtual bool askHighlighted(VXWidget* target) = 0;

    static VXMessagePort* installed();
    static void install(VXMessagePort* port);
};
