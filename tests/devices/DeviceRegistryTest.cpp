// The registry makes the device converters on first use; the keyboard's type comes from the layout
// the session's "Keyboard" statement named before it.
#include "converters/CQISessionConverter.h"
#include "devices/CQIKeyboardConverter.h"
#include "devices/CQIMouseConverter.h"
#include "translator/ConverterRegistry.h"

#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

TEST(DeviceRegistry, KeyboardTakesTheRememberedLayout)
{
    CConverterRegistry registry;
    TempDir dir;
    const std::string session = dir / "s.TDP";
    WriteFile(session, "[Session]\r\n");
    CQIConverter* general = registry.GetConverter("Keyboard");
    ASSERT_NE(general, nullptr);
    general->Convert({"Keyboard", "Layout", "\"lk250\""}, session.c_str(), "");
    auto* keyboard = dynamic_cast<CQIKeyboardConverter*>(registry.GetConverter("keyboard.mapping"));
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(keyboard->KeyboardType(), 14);
    // Made once: a later layout does not change the converter already made.
    general->Convert({"Keyboard", "Layout", "\"Enhanced\""}, session.c_str(), "");
    EXPECT_EQ(registry.GetConverter("Keyboard.Mapping"), keyboard);
    EXPECT_EQ(keyboard->KeyboardType(), 14);
}

TEST(DeviceRegistry, KeyboardBeforeAnySessionStatementAndMouse)
{
    CConverterRegistry registry;
    auto* keyboard = dynamic_cast<CQIKeyboardConverter*>(registry.GetConverter("Keyboard.Mapping"));
    ASSERT_NE(keyboard, nullptr);
    EXPECT_EQ(keyboard->KeyboardType(), 1);
    EXPECT_NE(dynamic_cast<CQIMouseConverter*>(registry.GetConverter("MOUSE")), nullptr);
    EXPECT_EQ(registry.Peek(CConverterRegistry::kSession), nullptr);
}

} // namespace
