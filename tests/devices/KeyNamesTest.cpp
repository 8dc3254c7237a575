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

TEST(ParseKeyName, KeyTextsIntoKeyFields)
{
    struct Row {
        const char* text;
        const char* fields; // modifiers, marker, scan code, virtual key
    };
    const Row rows[] = {
        // Bracketed codes; the name before the code is not looked at.
        {"Insert [12D]", "0 8 152 2D"}, {"Whatever [12D]", "0 8 152 2D"}, {"[470]", "1 8 03B 70"},
        {"[B2D]", "6 8 152 2D"}, {"Ctrl+L [24c]", "2 8 026 4C"}, {"F1 [ 0x70 ]", "0 8 03B 70"},
        // Only the first brackets count; digits stop at the first other character.
        {"[71] [72]", "0 8 03C 71"}, {"[70Z]", "0 8 03B 70"},
        // Codes that cannot be read give zeros.
        {"Insert [12D", "0 8 000 00"}, {"[]", "0 8 000 00"}, {"[xyz]", "0 8 000 00"}, {"[-1]", "0 8 000 00"},
        {"] [", "0 8 000 00"}, {"F1 ][", "0 8 000 00"},
        // A key code without a scan code of its own still keeps its virtual key and modifiers.
        {"[4FF]", "1 8 000 FF"},
        // Display names with prefixes, in any order and any number of times.
        {"F1", "0 8 03B 70"}, {"Shift+F1", "1 8 03B 70"}, {"Alt+Ctrl+Shift+Page Up", "7 8 149 21"},
        {"Shift+Shift+A", "1 8 01E 41"},
        // "Ext+" turns the named key's extended bit over: the keypad's 0 becomes Insert and back.
        {"Ext+Num 0", "0 8 152 2D"}, {"Ext+Insert", "0 8 052 2D"},
        // Prefixes are case-sensitive; an unknown rest drops the prefixes too.
        {"shift+F1", "0 8 000 00"}, {"Shift+Nope", "0 8 000 00"}, {"Nope", "0 8 000 00"}, {"", "0 8 000 00"},
        {"Shift+", "0 8 000 00"}, {"F1 ", "0 8 000 00"}, {"f1", "0 8 000 00"}, {"\xC4" "F1", "0 8 000 00"},
        {"F1\xFF", "0 8 000 00"}, {"Shift+\xAB" "F1\xBB", "0 8 000 00"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(Fields(row.text), row.fields) << row.text;
    EXPECT_EQ(LookupKeyName("Ctrl+Num Enter"), 0x30Du);
    EXPECT_EQ(LookupKeyName("Right Ctrl"), 0x111u);
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
