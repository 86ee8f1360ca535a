#include "vrix/FontNames.h"

#include <cstring>

namespace VRIX {

namespace {

const char kSans[] = "sans-serif";
const char kSerif[] = "serif";
const char kMono[] = "monospace";

struct NameMapping {
    const char* name;
    const char* family;
};

// Logical names that only mean something to a toolkit, never to the system.
const NameMapping kLogicalNames[] = {
    { "SansSerif", kSans },
    { "Sans Serif", kSans },
    { "Sans", kSans },
    { "Dialog", kSans },
    { "Serif", kSerif },
    { "Monospaced", kMono },
    { "Mono", kMono },
    { "DialogInput", kMono },
};

// Well-known faces of other platforms; several exist only as bitmaps where they exist at all.
const NameMapping kForeignNames[] = {
    { "Arial", kSans },
    { "Geneva", kSans },
    { "Helvetica", kSans },
    { "Helvetica Neue", kSans },
    { "Lucida Grande", kSans },
    { "MS Sans Serif", kSans },
    { "Segoe UI", kSans },
    { "System", kSans },
    { "Tahoma", kSans },
    { "Verdana", kSans },
    { "Georgia", kSerif },
    { "MS Serif", kSerif },
    { "New York", kSerif },
    { "Palatino", kSerif },
    { "Times", kSerif },
    { "Times New Roman", kSerif },
    { "Times-Roman", kSerif },
    { "Courier", kMono },
    { "Courier New", kMono },
    { "Fixed", kMono },
    { "Fixedsys", kMono },
    { "Lucida Console", kMono },
    { "Menlo", kMono },
    { "Monaco", kMono },
    { "Terminal", kMono },
};

bool equalsIgnoringAsciiCase(const char* a, const char* b)
{
    for (;; ++a, ++b) {
        unsigned char ca = static_cast<unsigned char>(*a);
        unsigned char cb = static_cast<unsigned char>(*b);
        if (ca >= 'A' && ca <= 'Z')
            ca = static_cast<unsigned char>(ca - 'A' + 'a');
        if (cb >= 'A' && cb <= 'Z')
            cb = static_cast<unsigned char>(cb - 'A' + 'a');
        if (ca != cb)
            return false;
        if (ca == 0)
            return true;
    }
}

template <std::size_t N> const char* lookUp(const NameMapping (&table)[N], const char* name)
{
    for (const NameMapping& entry : table) {
        if (equalsIgnoringAsciiCase(entry.name, name))
            return entry.family;
    }
    return nullptr;
}

} // namespace

std::string getClosestScaleableFontName(const char* name, FontMapMode::Type mode)
{
    if (mode == FontMapMode::Exact)
        return name ? name : "";
    if (!name || !*name)
        return kSans;
    if (const char* family = lookUp(kLogicalNames, name))
        return family;
    if (mode != FontMapMode::Screen) {
        if (const char* family = lookUp(kForeignNames, name))
            return family;
    }
    return name;
}

} // namespace VRIX
