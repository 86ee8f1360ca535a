#include "engine/PayloadCheck.h"

#include "engine/VXDebugOutputLogging.h"

#include <cxxabi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

const char* PayloadCheck::className(const std::type_info& type, char* buffer, unsigned size)
{
    int status = 0;
    char* readable = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    std::snprintf(buffer, size, "%s", readable && status == 0 ? readable : type.name());
    std::free(readable);
    return buffer;
}

void PayloadCheck::traceMismatch(
    const char* kind, int id, const char* name, const std::type_info& actual, const char* expected)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    char actualName[256];
    char line[768];
    std::snprintf(line, sizeof line, "payload mismatch - %d %s: %s carries %s, its row says %s\n",
        id, name ? name : "", kind, className(actual, actualName, sizeof actualName), expected);
    VXDebugOutputLogging::output(line);
}

void PayloadCheck::traceUnknown(const char* kind, int id, const std::type_info& actual)
{
    if (!VXDebugOutputLogging::m_isDebugEnabled)
        return;
    char actualName[256];
    char line[512];
    std::snprintf(line, sizeof line, "payload mismatch - %d: %s carries %s, no row has this id\n",
        id, kind, className(actual, actualName, sizeof actualName));
    VXDebugOutputLogging::output(line);
}
