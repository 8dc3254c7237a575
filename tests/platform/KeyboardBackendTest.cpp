// The keyboard of this build against the US-English tables the posix build answers from: the same
// rows, each the answer of a US-English Windows desk, run against both. Natively both are the
// tables; cross-built and run under Wine the second is the system's own keyboard. Where Wine answers
// otherwise than Windows the row says so: the tables are held to the row, and Wine to differing.
#include "platform/Keyboard.h"
#include "platform/UsKeyboard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

bool UnderWine()
{
#ifdef _WIN32
    const HMODULE ntdll = ::GetModuleHandleA("ntdll.dll");
    return ntdll && ::GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}

std::string Name(bool (*keyNameText)(std::uint32_t, std::string&), std::uint32_t word)
{
    std::string name;
    return keyNameText(word, name) ? name : "<none>";
}

struct NameRow {
    std::uint32_t scanCode;
    bool extended;
    const char* name; // "<none>": the key has no name
    bool wineDiffers = false;
};

const NameRow kNameRows[] = {
    {0x01, false, "Esc"},        {0x0E, false, "Backspace"},   {0x1C, false, "Enter"},
    {0x1C, true, "Num Enter"},   {0x1D, true, "Right Ctrl"},   {0x29, false, "`"},
    {0x2B, false, "\\"},         {0x35, true, "Num /"},        {0x37, false, "Num *"},
    {0x37, true, "Prnt Scrn"},   {0x39, false, "Space"},       {0x3B, false, "F1"},
    {0x45, false, "Pause"},      {0x45, true, "Num Lock"},     {0x46, true, "Break"},
    {0x47, false, "Num 7"},      {0x47, true, "Home"},         {0x49, true, "Page Up"},
    {0x52, false, "Num 0"},      {0x52, true, "Insert"},       {0x53, false, "Num Del"},
    {0x53, true, "Delete"},      {0x58, false, "F12"},         {0x5B, true, "Left Windows"},
    {0x5D, true, "Application"}, {0x55, false, "<none>"},      {0x00, false, "<none>"},
    {0xFF, false, "<none>"},
    // Wine names F13 to F24 after other scan codes, the extended twin of a key that has none after
    // the plain key, and the key beside the left Shift of other keyboards.
    {0x64, false, "F13", true},  {0x76, false, "F24", true},   {0x7C, false, "<none>", true},
    {0x02, true, "<none>", true}, {0x1E, true, "<none>", true}, {0x56, false, "<none>", true},
};

TEST(KeyboardBackend, KeyNames)
{
    const bool wine = UnderWine();
    for (const NameRow& row : kNameRows) {
        const std::uint32_t word = row.scanCode << platform::kKeyScanCodeShift | (row.extended ? platform::kKeyExtendedFlag : 0);
        SCOPED_TRACE(std::to_string(row.scanCode) + (row.extended ? " extended" : ""));
        EXPECT_EQ(Name(platform::us::KeyNameText, word), row.name);
        if (wine && row.wineDiffers)
            EXPECT_NE(Name(platform::KeyNameText, word), row.name) << "Wine agrees now: drop the row's mark";
        else
            EXPECT_EQ(Name(platform::KeyNameText, word), row.name);
    }
}

TEST(KeyboardBackend, NamesIgnoreTheOtherBitsOfTheWord)
{
    // The repeat count and the "do not care" bit of a key message do not change the name.
    EXPECT_EQ(Name(platform::us::KeyNameText, 0x3B0001u), "F1");
    EXPECT_EQ(Name(platform::us::KeyNameText, 0x1520000u | 0x2000000u), "Insert");
}

struct MapRow {
    std::uint32_t code;
    unsigned mapType;
    std::uint32_t answer;
    bool wineDiffers = false;
};

const MapRow kMapRows[] = {
    // virtual key to scan code: the left key's, never the extended flag
    {0x70, 0, 0x3B}, {0x2D, 0, 0x52}, {0x21, 0, 0x49}, {0x10, 0, 0x2A}, {0xA1, 0, 0x36}, {0xA3, 0, 0x1D},
    {0x6F, 0, 0x35}, {0x03, 0, 0x46}, {0x0D, 0, 0x1C}, {0x41, 0, 0x1E}, {0xE2, 0, 0x56}, {0x87, 0, 0x76},
    {0x00, 0, 0x00}, {0xFF, 0, 0x00}, {0x07, 0, 0x00},
    // Wine has no scan code for Pause, and one for the slash virtual key
    {0x13, 0, 0x45, true}, {0x2F, 0, 0x00, true},
    // scan code to virtual key: left and right not told apart
    {0x3B, 1, 0x70}, {0x52, 1, 0x2D}, {0x36, 1, 0x10}, {0x1D, 1, 0x11}, {0x45, 1, 0x90}, {0x4C, 1, 0x0C},
    {0x56, 1, 0xE2}, {0x76, 1, 0x87}, {0x00, 1, 0x00}, {0x55, 1, 0x00}, {0xFF, 1, 0x00},
    // Wine gives the Windows keys other virtual keys
    {0x5B, 1, 0x5B, true}, {0x5D, 1, 0x5D, true},
};

TEST(KeyboardBackend, VirtualKeysAndScanCodes)
{
    const bool wine = UnderWine();
    for (const MapRow& row : kMapRows) {
        SCOPED_TRACE(std::to_string(row.code) + " type " + std::to_string(row.mapType));
        EXPECT_EQ(platform::us::MapKeyCode(row.code, row.mapType), row.answer);
        if (wine && row.wineDiffers)
            EXPECT_NE(platform::MapKeyCode(row.code, row.mapType), row.answer) << "Wine agrees now: drop the row's mark";
        else
            EXPECT_EQ(platform::MapKeyCode(row.code, row.mapType), row.answer);
    }
}

TEST(KeyboardBackend, TablesAgreeWithThemselves)
{
    // Every named plain key maps to a virtual key and back to its own scan code, except the right
    // Shift, whose virtual key is the left one's.
    for (std::uint32_t scan = 1; scan < 256; ++scan) {
        std::string name;
        if (!platform::us::KeyNameText(scan << platform::kKeyScanCodeShift, name))
            continue;
        const std::uint32_t vk = platform::us::MapKeyCode(scan, platform::kScanCodeToVirtualKey);
        ASSERT_NE(vk, 0u) << name;
        if (scan != 0x36) {
            EXPECT_EQ(platform::us::MapKeyCode(vk, platform::kVirtualKeyToScanCode), scan) << name;
        }
    }
    EXPECT_EQ(platform::us::MapKeyCode(0x70, 2), 0u);
    EXPECT_EQ(platform::us::MapKeyCode(0x170, 0), 0u);
}

} // namespace
