#pragma once

#include "host/ExportedHostFunctions.h"
#include "vxhost_export.h"

/// The host's gateway value as zxCreateLogicalScalar makes it: here only a logical scalar.
/// Plain data; whoever receives one frees it with VXHost::destroyArray.
struct zxArray {
    bool value = false;
};

namespace VXHost {

/// The scalar's value; false for null.
VXHOST_EXPORT bool logicalScalarValue(const zxArray* array);
/// Frees what zxCreateLogicalScalar made; null is ignored.
VXHOST_EXPORT void destroyArray(zxArray* array);

} // namespace VXHost
