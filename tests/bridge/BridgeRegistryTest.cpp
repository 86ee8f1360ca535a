// The bridge registry's single bridge and the string hand-overs between toolkit and host.
#include "engine/HostFunctions.h"
#include "engine/VXBridge.h"
#include "tests/support/BridgeTestEnvironment.h"
#include "vrix/StringID.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(BridgeRegistryTest, EveryIdGivesTheOneBridge)
{
    VXBridge* first = vxtest::bridge();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(VXBridge::getBridge(VRIX::StringID("other")), first);
    EXPECT_EQ(VXBridge::getBridge(VRIX::StringID("qt")), first);
    EXPECT_EQ(VXBridge::existingBridge(), first);
    // Were "other" entered too, the exit hook's destroyBridges would delete the bridge twice,
    // which the sanitizer build reports.
}

TEST(BridgeRegistryTest, StringCopiesBetweenToolkitHostAndGuiAreTerminatedOrNull)
{
    EXPECT_EQ(VXBridge::copyStringToVELMAR(nullptr), nullptr);
    char* toolkit = new char[4];
    std::strcpy(toolkit, "abc");
    char* host = VXBridge::copyStringToVELMAR(toolkit); // frees `toolkit` with array delete
    ASSERT_NE(host, nullptr);
    EXPECT_STREQ(host, "abc");
    utFree(host);

    // From the GUI: a terminated copy, or null for a null 8-bit string.
    char16_t* empty = VXBridge::copyStringFromGUI(std::u16string());
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(empty[0], u'\0');
    delete[] empty;

    char16_t* text = VXBridge::copyStringFromGUI(std::u16string(u"h\u00e9"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(std::u16string(text), u"h\u00e9");
    delete[] text;

    char* eight = VXBridge::copyStringFromGUI("xyz");
    ASSERT_NE(eight, nullptr);
    EXPECT_STREQ(eight, "xyz");
    delete[] eight;
    EXPECT_EQ(VXBridge::copyStringFromGUI(static_cast<const char*>(nullptr)), nullptr);
}

} // namespace
