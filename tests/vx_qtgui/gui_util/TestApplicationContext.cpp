#include "tests/vx_qtgui/gui_util/TestApplicationContext.h"

#include "tests/vx_qtgui/gui_util/PictureFiles.h"
#include "vrix/services/ServiceRegistry.h"

#include <gtest/gtest.h>

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

namespace {

// Installed for the whole run of the GUI utility tests, rooted at the repository's resources/.
class ContextEnvironment : public testing::Environment {
    void SetUp() override
    {
        VXServices::VXService<VXServices::ApplicationContext>::install(
            new TestApplicationContext(testResourcesRoot().toStdString()));
    }
    void TearDown() override { VXServices::ServiceRegistry::instance().clear(); }
};

testing::Environment* const s_context = testing::AddGlobalTestEnvironment(new ContextEnvironment);

} // namespace
