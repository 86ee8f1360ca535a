#pragma once

#include "vxqtgui_export.h"

/// Host data riding along with a record; the explorer never reads it, only deletes it with the
/// record.
class VXQTGUI_EXPORT VXMEObjectExtension {
public:
    VXMEObjectExtension() = default;
    VXMEObjectExtension(const VXMEObjectExtension&) = delete;
    VXMEObjectExtension& operator=(const VXMEObjectExtension&) = delete;
    virtual ~VXMEObjectExtension();
};
