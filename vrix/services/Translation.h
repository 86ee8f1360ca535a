#pragma once

#include "vrix/services/Service.h"

namespace VXServices {

/// Message translation ("Translation").
class Translation : public Service {
public:
    static const char* serviceName() { return "Translation"; }

    virtual const char* translate(const char* text) = 0;
};

} // namespace VXServices
