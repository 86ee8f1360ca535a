#pragma once

#include "vxqtgui_export.h"

#include <string>
#include <vector>

/// Process-wide tables of property-name aliases, built from the built-in rows on the first
/// construction. Engine thread; the tables and the alias cursor are not locked, so the cursor
/// serves one caller at a time.
class VXQTGUI_EXPORT VXAlias {
public:
    VXAlias();

    /// Later pairs never displace an alias that already names a key.
    static void addKeyAliasPair(const std::string& key, const std::string& alias);
    /// The key `name` is an alias of, or `name` itself.
    static std::string getKey(const std::string& name);
    /// The first alias of `key` (null when none); positions the shared cursor.
    static const char* getFirstAlias(const std::string& key);
    /// The next alias of the key of the last getFirstAlias; null past the last one.
    static const char* getNextAlias();
    /// Every alias in sorted order; the caller owns the vector.
    static std::vector<std::string>* getAllAliases();
};
