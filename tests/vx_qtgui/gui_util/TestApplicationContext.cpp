#include "tests/vx_qtgui/gui_util/TestApplicationContext.h"

TestApplicationContext::TestApplicationContext(std::string root)
    : m_root(std::move(root))
{
}

void TestApplicationContext::registerFeature(const char*, int, void (*)(int)) { }

bool TestApplicationContext::isFeatureEnabled(const char*)
{
    return false;
}

const char* TestApplicationContext::getPreferencesDirectory(bool)
{
    return "";
}

const char* TestApplicationContext::getRelease()
{
    return "test";
}

const char* TestApplicationContext::getRoot()
{
    return m_root.c_str();
}

const char* TestApplicationContext::getBinArchDir()
{
    return "";
}

const char* TestApplicationContext::getCharacterEncoding()
{
    return "UTF-8";
}
