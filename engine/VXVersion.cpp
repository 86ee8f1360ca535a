#include "engine/VXVersion.h"

const char* vxqtguiVersion()
{
    return "0.1.0";
}
