#include "engine/modelexplorer/VXMEEditTypeData.h"

VXMEEditTypeData::~VXMEEditTypeData() = default;
