#include "engine/VXModelExplorer.h"

VXModelExplorer::VXModelExplorer() = default;

VXModelExplorer::~VXModelExplorer()
{
    disconnect();
}
