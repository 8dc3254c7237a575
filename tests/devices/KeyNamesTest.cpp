// Key texts into key fields: bracketed codes, display names with prefixes, and texts that must give
// zeros rather than a wrong key.
#include "devices/KeyNames.h"
#include "platform/Keyboard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// "modifiers marker scan vk" of the record ParseKeyName fills.
std::string Fields(const std::string& text)
{
    formats::KeyRecord record;
    ParseKeyName(text, record);
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, "%u %u %03X %02X", record.modifiers, record.constant8, record.scanCode,
                  record.virtualKey);
    return buffer;
}

TEST(ParseKeyName, BracketedCodes)
{
    // The name before the code is not looked at.
    EXPECT_EQ(Fields("Insert [12D]"), "0 8 152 2D");
    EXPECT_EQ(Fields("Whatever [12D]"), "0 8 152 2D");
    EXPECT_EQ(Fields("[470]"), "1 8 03B 70");
    EXPECT_EQ(Fields("[B2D]"), "6 8 152 2D");
    EXPECT_EQ(Fields("Ctrl+L [24c]"), "2 8 026 4C");
    EXPECT_EQ(Fields("F1 [ 0x70 ]"), "0 8 03B 70");
    // Only the first brackets count; digits stop at the first other character.
    EXPECT_EQ(Fields("[71] [72]"), "0 8 03C 71");
    EXPECT_EQ(Fields("[70Z]"), "0 8 03B 70");
}

TEST(ParseKeyName, UnreadableCodesGiveZeros)
{
    for (const char* text : {"Insert [12D", "[]", "[xyz]", "[-1]", "] [", "F1 ]["})
        EXPECT_EQ(Fields(text), "0 8 000 00") << text;
    // A key code without a scan code of its own still keeps its virtual key and modifiers.
    EXPECT_EQ(Fields("[4FF]"), "1 8 000 FF");
}

TEST(ParseKeyName, DisplayNamesWithPrefixes)
{
    EXPECT_EQ(Fields("F1"), "0 8 03B 70");
    EXPECT_EQ(Fields("Shift+F1"), "1 8 03B 70");
    EXPECT_EQ(Fields("Alt+Ctrl+Shift+Page Up"), "7 8 149 21");
    EXPECT_EQ(Fields("Shift+Shift+A"), "1 8 01E 41");
    // "Ext+" turns the named key's extended bit over: the keypad's 0 becomes Insert and back.
    EXPECT_EQ(Fields("Ext+Num 0"), "0 8 152 2D");
    EXPECT_EQ(Fields("Ext+Insert"), "0 8 052 2D");
    EXPECT_EQ(LookupKeyName("Ctrl+Num Enter"), 0x30Du);
    EXPECT_EQ(LookupKeyName("Right Ctrl"), 0x111u);
}

TEST(ParseKeyName, NamesThatAreNotKeys)
{
    // Prefixes are case-sensitive; an unknown rest drops the prefixes too.
    for (const char* text : {"shift+F1", "Shift+Nope", "Nope", "", "Shift+", "F1 ", "f1", "\xC4" "F1", "F1\xFF",
                             "Shift+\xAB" "F1\xBB"})
        EXPECT_EQ(Fields(text), "0 8 000 00") << text;
    EXPECT_EQ(LookupKeyName(std::string(2000, 'A')), 0u);
}

TEST(ParseKeyName, TableIsBuiltOnce)
{
    EnsureKeyNameTable();
    EnsureKeyNameTable();
    EXPECT_EQ(LookupKeyName("Esc"), 0x1Bu);
    EXPECT_EQ(platform::KeyNameForScanCode(0x152), "Insert");
    EXPECT_EQ(platform::KeyNameForScanCode(0x52), "Num 0");
    EXPECT_EQ(platform::KeyNameForScanCode(0x1FF), "");
}

} // namespace
