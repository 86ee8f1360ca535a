#include "host/zxArray.h"

zxArray* zxCreateLogicalScalar(bool value)
{
    return new zxArray { value };
}

namespace VXHost {

bool logicalScalarValue(const zxArray* array)
{
    return array && array->value;
}

void destroyArray(zxArray* array)
{
    delete array;
}

} // namespace VXHost
