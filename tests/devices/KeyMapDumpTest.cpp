// qtcm inspect's reader of key maps: a hand-made map shown field by field, and every way a file can
// fail to be one ending in a message that names the byte, never in a read past the end.
#include "devices/KeyMapFormat.h"

#include "devices/DeviceHarness.h"

#include <set>

namespace {

using testing_support::HexBytes;

// Two entries: Shift+F1 sending "ab\r", Ctrl+Insert running the command "Copy".
const std::string kMap = HexBytes("4B4D4150 02 000E 00 0003 333430 0009 56543334302E444C4C"
                                  "4B01 9C40 00 01 08 003B 0070 0000 0003 0000 00000000 003B 0070 0000 01 61620D"
                                  "4B01 E122 00 02 08 0152 002D 0000 0000 0004 00000000 0152 002D 0000 02 436F7079");
constexpr std::size_t kHeaderEnd = 24;
constexpr std::size_t kFirstEntryEnd = kHeaderEnd + 2 + 26 + 3;

std::string Dump(const std::string& bytes, std::string* error = nullptr)
{
    std::string text, message;
    const bool ok = DumpKeyMap(bytes, text, message);
    if (error)
        *error = message;
    return ok ? text : "";
}

TEST(KeyMapDump, ShowsEveryBinding)
{
    EXPECT_EQ(Dump(kMap), "key map version 2, keyboard type 14, terminal model \"340\", emulation library \"VT340.DLL\"\n"
                          "Shift+F1\tmodifiers 1\tscan 0x03B\tvk 0x70\taction 40000\ttext \"ab\\x0D\"\tdescription \"\"\n"
                          "Ctrl+Insert\tmodifiers 2\tscan 0x152\tvk 0x2D\taction 57634\ttext \"\"\tdescription \"Copy\"\n"
                          "2 bindings\n");
    // A map without bindings is a map.
    EXPECT_EQ(Dump(kMap.substr(0, kHeaderEnd)),
              "key map version 2, keyboard type 14, terminal model \"340\", emulation library \"VT340.DLL\"\n0 bindings\n");
}

TEST(KeyMapDump, EveryCutIsNamed)
{
    const std::set<std::size_t> whole = {kHeaderEnd, kFirstEntryEnd, kMap.size()};
    for (std::size_t size = 0; size <= kMap.size(); ++size) {
        std::string error;
        const std::string text = Dump(kMap.substr(0, size), &error);
        if (whole.count(size)) {
            EXPECT_FALSE(text.empty()) << size;
            continue;
        }
        EXPECT_TRUE(text.empty()) << size;
        if (size >= 4) {
            EXPECT_NE(error.find("cut short"), std::string::npos) << size << ": " << error;
            EXPECT_NE(error.find("at byte"), std::string::npos) << size << ": " << error;
        }
    }
}

TEST(KeyMapDump, OtherFilesAreRefused)
{
    std::string error;
    EXPECT_EQ(Dump("QPAD\x02", &error), "");
    EXPECT_EQ(error, "it does not start with \"KMAP\"");
    std::string bytes = kMap;
    bytes[4] = 3;
    EXPECT_EQ(Dump(bytes, &error), "");
    EXPECT_EQ(error, "version 3 at byte 4, only version 2 is known");
    bytes = kMap;
    bytes[kFirstEntryEnd] = 'Q';
    EXPECT_EQ(Dump(bytes, &error), "");
    EXPECT_EQ(error, "binding 2 at byte 55 does not start with 'K' 1");
    // A text length reaching past the end.
    bytes = kMap;
    bytes[kHeaderEnd + 2 + 11] = '\x7F';
    EXPECT_EQ(Dump(bytes, &error), "");
    EXPECT_EQ(error, "cut short in binding 1 (its texts) at byte 52");
}

TEST(KeyMapDump, CopiesThatDisagreeAreMarked)
{
    std::string bytes = kMap;
    bytes[kHeaderEnd + 2 + 25] = '\x04'; // the copy of the first binding's modifiers
    EXPECT_NE(Dump(bytes).find("description \"\"\t(copied key fields differ)\n"), std::string::npos);
}

} // namespace
