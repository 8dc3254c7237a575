// qtcm inspect FILE.TDP: a session file section by section.
#include "SessionView.h"

#include <gtest/gtest.h>

namespace {

TEST(SessionView, ShowsEachSectionWithItsValuesInAColumn)
{
    std::string text, error;
    ASSERT_TRUE(DumpSessionFile("[Session]\r\nX=40\r\nPrimaryKeyMap=Demo.tkm\r\n\r\n[Terminal]\r\n; a note\r\n"
                                "Name = VT420\r\n",
                                text, error))
        << error;
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
        const char* error;
    } cases[] = {
        {"", "an empty file"},
        {"X=1\nY=2\n", "no [section] line"},
        {std::string("[Session]\nX=\0\x01", 14), "a zero byte at byte 12"},
    };
    for (const auto& c : cases) {
        std::string text, error;
        EXPECT_FALSE(DumpSessionFile(c.bytes, text, error));
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
}

} // namespace
