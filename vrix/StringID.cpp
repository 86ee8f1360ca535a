#include "vrix/StringID.h"

#include <mutex>
#include <unordered_set>

namespace VRIX {

namespace {

// Node-based, so the address of an interned text never changes. Deliberately leaked:
// StringIDs held by other statics stay valid during process teardown.
struct InternPool {
    std::mutex mutex;
    std::unordered_set<std::string> texts;
};

InternPool& pool()
{
    static InternPool* instance = new InternPool;
    return *instance;
}

const std::string* intern(const std::string& text)
{
    if (text.empty())
        return nullptr;
    InternPool& p = pool();
    std::lock_guard<std::mutex> lock(p.mutex);
    return &*p.texts.insert(text).first;
}

} // namespace

StringID::StringID(const char* text)
    : m_text(text ? intern(text) : nullptr)
{
}

void StringID::setStringID(const std::string& text)
{
    m_text = intern(text);
}

const std::string& StringID::emptyString() noexcept
{
    static const std::string* empty = new std::string; // outlives every static StringID
    return *empty;
}

} // namespace VRIX
