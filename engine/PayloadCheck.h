#pragma once

#include <typeinfo>

/// Trace lines for a message or event whose payload class does not fit its catalogue row. Both
/// threads; writes only while debug logging is on.
class PayloadCheck {
public:
    PayloadCheck() = delete;

    /// "payload mismatch - <id> <name>: <kind> carries <actual>, its row says <expected>"
    static void traceMismatch(const char* kind, int id, const char* name,
        const std::type_info& actual, const char* expected);
    /// "payload mismatch - <id>: <kind> carries <actual>, no row has this id"
    static void traceUnknown(const char* kind, int id, const std::type_info& actual);
    /// The readable name of a class.
    static const char* className(const std::type_info& type, char* buffer, unsigned size);
};
