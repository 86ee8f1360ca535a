#pragma once

/// One entry of a debug name table: an event or message id and its printable name.
struct DebugMapPair {
    const char* name;
    int id;
};
