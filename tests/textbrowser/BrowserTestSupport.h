#pragma once

#include "engine/VXEvent.h"
#include "engine/VXListener.h"

#include <QString>

#include <string>
#include <vector>

class QTextBrowser;

namespace vxtest {

/// One delivered event, copied while the listener runs (engine thread).
struct SeenEvent {
    VXEventType type;
    std::u16string text;
    bool state;
};

/// A host listener that keeps a copy of every event it receives (engine thread).
class EventLog : public VXListener {
public:
    void handleEvent(const VXEvent* event) override;

    std::vector<SeenEvent> events;
};

/// GUI thread: clicks the first anchor of `view` whose target is `href`, as a user would.
/// False when the page has no such link.
bool clickLink(QTextBrowser* view, const QString& href);

/// A UTF-16 copy of a Qt string.
std::u16string u16(const QString& text);

} // namespace vxtest
