#include "platform/Ansi.h"
#include "platform/FileSystem.h"

#include <gtest/gtest.h>

namespace {

TEST(Path, SplitPathIntoDriveFolderNameExtension)
{
    struct Case {
        const char *path, *drive, *directory, *name, *extension;
    };
    const Case cases[] = {
        {"C:\\dir\\file.txt", "C:", "\\dir\\", "file", ".txt"},
        {"/a/b.c/name", "", "/a/b.c/", "name", ""},
        {"name", "", "", "name", ""},
        {".hidden", "", "", "", ".hidden"},
        {"dir\\", "", "dir\\", "", ""},
        {"archive.tar.gz", "", "", "archive.tar", ".gz"},
        {"C:relative.ini", "C:", "", "relative", ".ini"},
        {"D:\\mixed/seps\\x.y", "D:", "\\mixed/seps\\", "x", ".y"},
        {"", "", "", "", ""},
    };
    for (const Case& c : cases) {
        const platform::PathParts parts = platform::SplitPath(c.path);
        EXPECT_EQ(parts.drive, c.drive) << c.path;
        EXPECT_EQ(parts.directory, c.directory) << c.path;
        EXPECT_EQ(parts.name, c.name) << c.path;
        EXPECT_EQ(parts.extension, c.extension) << c.path;
    }
    EXPECT_TRUE(platform::EndsWithSeparator("a/"));
    EXPECT_TRUE(platform::EndsWithSeparator("C:\\"));
    EXPECT_FALSE(platform::EndsWithSeparator("a"));
    EXPECT_FALSE(platform::EndsWithSeparator(""));
}

TEST(Ansi, UnicodeBecomesWindows1252)
{
    // 'A', euro sign, e acute, a CJK character, then a surrogate pair and 'B'.
    EXPECT_EQ(platform::AnsiFromUtf16Le(std::string("A\0\xAC\x20\xE9\0\x2D\x4E\x3D\xD8\x00\xDE" "B\0", 14)),
              "A\x80\xE9??B");
    EXPECT_EQ(platform::AnsiFromUtf16Le("A"), ""); // half a unit is nothing
    EXPECT_EQ(platform::AnsiFromUtf8("caf\xC3\xA9 \xE2\x82\xAC \xE4\xB8\xAD \xF0\x9F\x98\x80!"), "caf\xE9 \x80 ? ?!");
    EXPECT_EQ(platform::AnsiFromUtf8("a\xC3"), "a?");
    // The five bytes the code page leaves undefined stand for themselves; other C1 controls do not fit.
    EXPECT_EQ(platform::AnsiFromCodePoint(0x81), '\x81');
    EXPECT_EQ(platform::AnsiFromCodePoint(0x80), '?');
    EXPECT_EQ(platform::AnsiFromCodePoint(0x2122), '\x99');
    EXPECT_EQ(platform::AnsiFromCodePoint(0x100), '?');
}

} // namespace
