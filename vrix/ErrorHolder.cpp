#include "vrix/ErrorHolder.h"

namespace VRIX {

void ErrorHolder::setError(int code, const char* text)
{
    setError(code, std::string(text ? text : ""));
}

void ErrorHolder::setError(int code, const std::string& text)
{
    m_hasError = true;
    m_code = code;
    m_text = text;
}

void ErrorHolder::clear()
{
    m_hasError = false;
    m_code = 0;
    m_text.clear();
}

} // namespace VRIX
