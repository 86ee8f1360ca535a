#include "engine/modelexplorer/VXMEObjectDataFactory.h"

namespace VXServices {

VXMEObjectDataFactory::~VXMEObjectDataFactory() = default;

} // namespace VXServices
