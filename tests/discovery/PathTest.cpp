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
    EXPECT_EQ(platform::FolderOf("C:\\dir\\file.txt"), "C:\\dir\\");
    EXPECT_EQ(platform::FolderOf("C:file.txt"), "C:");
    EXPECT_EQ(platform::FolderOf("/a/b/"), "/a/b/");
    EXPECT_EQ(platform::FolderOf("name"), "");
    EXPECT_TRUE(platform::EndsWithSeparator("a/"));
    EXPECT_TRUE(platform::EndsWithSeparator("C:\\"));
    EXPECT_FALSE(platform::EndsWithSeparator("a"));
    EXPECT_FALSE(platform::EndsWithSeparator(""));
    // The name the files beside a session take: at most 255 characters, as a path splitter gives it.
    EXPECT_EQ(platform::FileStem("C:\\dir\\file.txt"), "file");
    EXPECT_EQ(platform::FileStem("/x/" + std::string(300, 'n') + ".TDP"), std::string(255, 'n'));
}

} // namespace
