#include "engine/modelexplorer/VXMEObjectExtension.h"

VXMEObjectExtension::~VXMEObjectExtension() = default;
