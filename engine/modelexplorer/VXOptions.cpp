#include "engine/modelexplorer/VXOptions.h"

VXOptions::~VXOptions() = default;
