#pragma once

#include "engine/VXEventType.h"
#include "vxqtgui_export.h"

#include <cstddef>

class VXEvent;

/// Read access to the event catalogue (engine/VXEventCatalogue.def): names for printers and the
/// payload class each event type travels in. Any thread; the table is constant.
class VXQTGUI_EXPORT VXEventCatalogue {
public:
    struct Row {
        VXEventType type;
        const char* name;
        const char* payload;
        /// Whether the debug log prints the name.
        bool named;
    };

    VXEventCatalogue() = delete;

    /// Every row in id order.
    static const Row* rows();
    static std::size_t rowCount();
    /// The row of a type, or null for a type that is not catalogued.
    static const Row* find(VXEventType type);
    /// The catalogue name of any type (also those the debug log leaves unnamed); null if none.
    static const char* name(VXEventType type);
    /// Whether the event is of its row's payload class (or derived from it). A mismatch is traced
    /// and counted.
    static bool fits(const VXEvent& event);
    /// Mismatches seen by fits() since start-up.
    static int mismatchCount();
};
