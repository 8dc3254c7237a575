// qtcm inspect FILE.TDP: a session file section by section.
#include "SessionView.h"

#include <gtest/gtest.h>

namespace {

TEST(SessionView, ShowsEachSectionWithItsValuesInAColumn)
{
    std::string text;
    const formats::ReadResult read = DumpSessionFile(
        "[Session]\r\nX=40\r\nPrimaryKeyMap=Demo.tkm\r\n\r\n[Terminal]\r\n; a note\r\nName = VT420\r\n", text);
    ASSERT_TRUE(read) << read.Describe();
    EXPECT_EQ(text, "session file: 2 sections, 3 values\n"
                    "\n[Session]\n"
                    "  X             = 40\n"
                    "  PrimaryKeyMap = Demo.tkm\n"
                    "\n[Terminal]\n"
                    "  ; a note\n"
                    "  Name = VT420\n");
}

TEST(SessionView, RefusesWhatIsNoSessionFile)
{
    const struct {
        std::string bytes;
        std::size_t offset;
        const char* what;
    } cases[] = {
        {"", 0, "an empty file"},
        {"X=1\nY=2\n", 0, "no [section] line"},
        {std::string("[Session]\nX=\0\x01", 14), 12, "a zero byte: not a text file"},
    };
    for (const auto& c : cases) {
        std::string text;
        const formats::ReadResult read = DumpSessionFile(c.bytes, text);
        EXPECT_EQ(read.status, formats::ReadStatus::Malformed) << c.what;
        EXPECT_EQ(read.offset, c.offset) << c.what;
        EXPECT_EQ(read.what, c.what);
    }
}

} // namespace
