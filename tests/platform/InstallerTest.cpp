#include "platform/Installer.h"

#include "support/TestDesk.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

constexpr const char* kComponent = "{6D0C2A57-91B4-4E8F-B3A2-5C7E19F04D68}";

// On Windows the real installer knows no such component on a test machine; on posix the desk's
// registry says where a component is.
TEST(Installer, AnUnknownComponentIsNotFound)
{
    TestDesk desk;
    std::string code = "keep", path;
    EXPECT_FALSE(platform::ComponentProductCode(kComponent, code));
    EXPECT_EQ(code, "keep");
    EXPECT_EQ(platform::LocateComponent(kComponent, path), platform::ComponentState::Unknown);
}

TEST(Installer, TheRegistryNamesAComponentsFile)
{
    TestDesk desk;
    platform::SetComponentLookup(&platform::RegistryComponentPath); // what posix always does
    desk.AddRegistry(std::string("REGEDIT4\n[HKEY_LOCAL_MACHINE\\Software\\Korvanesta\\TORQA!\\Components]\n\"") +
                     kComponent + "\"=\"C:\\\\TORQA\\\\mt.dll\"\n");
    std::string code, path;
    EXPECT_TRUE(platform::ComponentProductCode(kComponent, code));
    EXPECT_EQ(platform::LocateComponent(kComponent, path), platform::ComponentState::Local);
#ifdef _WIN32
    EXPECT_EQ(path, "C:\\TORQA\\mt.dll");
#else
    EXPECT_EQ(path, "C:/TORQA/mt.dll");
#endif
    platform::SetComponentLookup(nullptr);
}

} // namespace
