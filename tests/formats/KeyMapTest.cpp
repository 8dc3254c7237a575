// The key map's writer, reader and dump: a map laid out by hand, read back field by field, and
// every way a file can fail to be one answered with its status and the byte where it fails.
#include "formats/KeyMap.h"

#include "support/HexBytes.h"

#include <gtest/gtest.h>

namespace {

using formats::ReadStatus;
using testing_support::HexBytes;

// Two entries: Shift+F1 sending "ab\r", Ctrl+Insert running the command "Copy".
const std::string kMap = HexBytes("4B4D4150 02 000E 00 0003 333430 0009 56543334302E444C4C"
                                  "4B01 9C40 00 01 08 003B 0070 0000 0003 0000 00000000 003B 0070 0000 01 61620D"
                                  "4B01 E122 00 02 08 0152 002D 0000 0000 0004 00000000 0152 002D 0000 02 436F7079");
constexpr std::size_t kHeaderEnd = 24;
constexpr std::size_t kFirstEntryEnd = kHeaderEnd + 2 + 26 + 3;

formats::KeyMap TwoBindings()
{
    formats::KeyMap map;
    map.keyboardType = 14;
    map.model = "340";
    map.library = "VT340.DLL";
    formats::KeyBinding shiftF1;
    shiftF1.record.actionId = 40000;
    shiftF1.record.modifiers = formats::keymap::kShift;
    shiftF1.record.constant8 = formats::keymap::kKeyFieldsMarker;
    shiftF1.record.scanCode = 0x3B;
    shiftF1.record.virtualKey = 0x70;
    shiftF1.text = "ab\r";
    formats::KeyBinding ctrlInsert;
    ctrlInsert.record.actionId = 57634;
    ctrlInsert.record.modifiers = formats::keymap::kCtrl;
    ctrlInsert.record.constant8 = formats::keymap::kKeyFieldsMarker;
    ctrlInsert.record.scanCode = 0x152;
    ctrlInsert.record.virtualKey = 0x2D;
    ctrlInsert.description = "Copy";
    map.bindings = {shiftF1, ctrlInsert};
    return map;
}

std::string Name(std::uint32_t scanCode) { return scanCode == 0x3B ? "F1" : scanCode == 0x152 ? "Insert" : ""; }

TEST(KeyMapFormat, WriterFillsLengthsAndCopies)
{
    EXPECT_EQ(formats::KeyMapBytes(TwoBindings()), kMap) << testing_support::HexDifference(kMap, formats::KeyMapBytes(TwoBindings()));
    formats::KeyMap read;
    ASSERT_TRUE(formats::ReadKeyMap(kMap, read));
    EXPECT_EQ(read.bindings.size(), 2u);
    EXPECT_EQ(read.bindings[1].record.scanCodeCopy, 0x152);
    EXPECT_EQ(formats::KeyMapBytes(read), kMap);
}

TEST(KeyMapFormat, DumpShowsEveryBinding)
{
    std::string text;
    ASSERT_TRUE(formats::DumpKeyMap(kMap, text, &Name));
    EXPECT_EQ(text, "key map version 2, keyboard type 14, terminal model \"340\", emulation library \"VT340.DLL\"\n"
                    "Shift+F1\tmodifiers 1\tscan 0x03B\tvk 0x70\taction 40000\ttext \"ab\\r\"\tdescription \"\"\n"
                    "Ctrl+Insert\tmodifiers 2\tscan 0x152\tvk 0x2D\taction 57634\ttext \"\"\tdescription \"Copy\"\n"
                    "2 bindings\n");
    // Without names, and without bindings: a map still.
    ASSERT_TRUE(formats::DumpKeyMap(kMap.substr(0, kHeaderEnd), text));
    EXPECT_EQ(text.substr(text.find('\n') + 1), "0 bindings\n");
    std::string copies = kMap;
    copies[kHeaderEnd + 2 + 25] = '\x04'; // the copy of the first binding's modifiers
    ASSERT_TRUE(formats::DumpKeyMap(copies, text));
    EXPECT_NE(text.find("(no name)\tmodifiers 1"), std::string::npos) << text;
    EXPECT_NE(text.find("description \"\"\t(copied key fields differ)\n"), std::string::npos) << text;
}

TEST(KeyMapFormat, FilesThatAreNotKeyMaps)
{
    struct Row {
        const char* what;
        std::size_t at;   // the byte changed
        char to;
        ReadStatus status;
        std::size_t offset;
    };
    const Row rows[] = {
        {"another magic", 0, 'Q', ReadStatus::NotThisFormat, 0},
        {"version 3", 4, '\x03', ReadStatus::UnknownVersion, 4},
        {"the byte after the type", 7, '\x01', ReadStatus::UnexpectedValue, 7},
        {"a model longer than the file", 8, '\x7F', ReadStatus::Truncated, 8},
        {"the second binding's tag", kFirstEntryEnd, 'Q', ReadStatus::UnexpectedValue, kFirstEntryEnd},
        {"the second binding's type", kFirstEntryEnd + 1, '\x02', ReadStatus::UnexpectedValue, kFirstEntryEnd + 1},
        {"a text longer than the file", kHeaderEnd + 2 + 11, '\x7F', ReadStatus::Truncated, kHeaderEnd + 28},
    };
    for (const Row& row : rows) {
        std::string bytes = kMap;
        bytes[row.at] = row.to;
        formats::KeyMap map;
        const formats::ReadResult result = formats::ReadKeyMap(bytes, map);
        EXPECT_EQ(result.status, row.status) << row.what << ": " << result.Describe();
        EXPECT_EQ(result.offset, row.offset) << row.what << ": " << result.Describe();
    }
}

TEST(KeyMapFormat, EveryCutIsTruncatedWithinTheFile)
{
    for (std::size_t size = 4; size < kMap.size(); ++size) {
        formats::KeyMap map;
        const formats::ReadResult result = formats::ReadKeyMap(kMap.substr(0, size), map);
        if (size == kHeaderEnd || size == kFirstEntryEnd) {
            EXPECT_TRUE(result) << size << ": " << result.Describe();
            continue;
        }
        EXPECT_EQ(result.status, ReadStatus::Truncated) << size;
        EXPECT_LE(result.offset, size) << size;
    }
}

} // namespace
